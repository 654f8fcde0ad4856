#pragma once
// The present value window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmpresentvalue {

extern const WindowLayout layout;

}  // namespace corvell::frmpresentvalue
