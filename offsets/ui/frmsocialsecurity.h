#pragma once

#include "offsets/socialsecuritymodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The social security offset window.
extern const WindowDesign frmSocialSecurityDesign;
using frmSocialSecurity = DesignedWindow<SocialSecurityModel, frmSocialSecurityDesign>;

}  // namespace corvell::ui
