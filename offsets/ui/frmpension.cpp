#include "offsets/ui/frmpension.h"

#include "offsets/frmpensioncontrols.h"
#include "offsets/frmpensionlayout.h"

namespace corvell::ui {

using namespace frmpension;

const WindowDesign frmPensionDesign{frmpension::layout, cmdSSPrint, cmdSSClear, nav::cmdQuit,
                                    nullptr};

}  // namespace corvell::ui
