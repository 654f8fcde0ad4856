#pragma once
// The compensation-and-interest window's controls as plain data (see
// shell/layout.h).

#include "shell/layout.h"

namespace corvell::calculationform {

extern const WindowLayout layout;

}  // namespace corvell::calculationform
