#pragma once
// The commutation window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmcommutation {

extern const WindowLayout layout;

}  // namespace corvell::frmcommutation
