#pragma once
// The lump sum offset window's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::frmoffset {

extern const WindowLayout layout;

}  // namespace corvell::frmoffset
