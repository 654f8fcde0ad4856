#pragma once

#include "presentvalue/presentvaluemodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The present value window.
extern const WindowDesign frmPresentValueDesign;
using frmPresentValue = DesignedWindow<PresentValueModel, frmPresentValueDesign>;

}  // namespace corvell::ui
