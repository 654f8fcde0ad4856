#pragma once
// The subrogation window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmsubrogation {

extern const WindowLayout layout;

}  // namespace corvell::frmsubrogation
