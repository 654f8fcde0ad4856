#pragma once

#include "shell/ui/modelwindow.h"
#include "subrogation/subrogationmodel.h"

namespace corvell::ui {

// The subrogation window.
extern const WindowDesign frmSubrogationDesign;
using frmSubrogation = DesignedWindow<SubrogationModel, frmSubrogationDesign>;

}  // namespace corvell::ui
