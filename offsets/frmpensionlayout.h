#pragma once
// The pension offset window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmpension {

extern const WindowLayout layout;

}  // namespace corvell::frmpension
