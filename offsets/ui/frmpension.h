#pragma once

#include "offsets/pensionmodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The pension offset window.
extern const WindowDesign frmPensionDesign;
using FrmPension = DesignedWindow<PensionModel, frmPensionDesign>;

}  // namespace corvell::ui
