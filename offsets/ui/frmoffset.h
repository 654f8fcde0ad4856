#pragma once

#include "offsets/lumpsummodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The lump sum offset window.
extern const WindowDesign frmOffsetDesign;
using frmOffset = DesignedWindow<LumpSumModel, frmOffsetDesign>;

}  // namespace corvell::ui
