#pragma once
// The social security offset window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmsocialsecurity {

extern const WindowLayout layout;

}  // namespace corvell::frmsocialsecurity
