#include "commutation/ui/frmcommutation.h"

#include "commutation/frmcommutationcontrols.h"
#include "commutation/frmcommutationlayout.h"

namespace corvell::ui {

using namespace frmcommutation;

const WindowDesign frmCommutationDesign{frmcommutation::layout, cmdCommPrint, cmdCommClear,
                                        nav::cmdQuit, nullptr};

}  // namespace corvell::ui
