#pragma once

#include "commutation/commutationmodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The commutation window.
extern const WindowDesign frmCommutationDesign;
using frmCommutation = DesignedWindow<CommutationModel, frmCommutationDesign>;

}  // namespace corvell::ui
