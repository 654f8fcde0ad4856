#include "subrogation/ui/frmsubrogation.h"

#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/frmsubrogationlayout.h"

namespace corvell::ui {

using namespace frmsubrogation;

const WindowDesign frmSubrogationDesign{frmsubrogation::layout, cmdSSPrint, cmdSSClear,
                                        nav::cmdQuit, nullptr};

}  // namespace corvell::ui
