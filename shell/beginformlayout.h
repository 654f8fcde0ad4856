#pragma once
// The main menu's controls as plain data (see shell/layout.h).

#include "shell/layout.h"

namespace corvell::beginform {

extern const WindowLayout layout;

}  // namespace corvell::beginform
