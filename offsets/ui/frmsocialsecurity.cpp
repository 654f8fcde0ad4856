#include "offsets/ui/frmsocialsecurity.h"

#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/frmsocialsecuritylayout.h"

namespace corvell::ui {

using namespace frmsocialsecurity;

const WindowDesign frmSocialSecurityDesign{frmsocialsecurity::layout, cmdSSPrint, cmdSSClear,
                                           nav::cmdQuit, nullptr};

}  // namespace corvell::ui
