#pragma once

#include "offsets/socialsecuritymodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

class frmSocialSecurity final : public ModelWindow<SocialSecurityModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    frmSocialSecurity(SocialSecurityModel& model, const Services& services,
                      QWidget* parent = nullptr);
};

}  // namespace corvell::ui
