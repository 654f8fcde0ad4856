#pragma once

#include "offsets/socialsecuritymodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmSocialSecurity final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    frmSocialSecurity(SocialSecurityModel& model, const Services& services,
                      QWidget* parent = nullptr);
    SocialSecurityModel& model() { return model_; }

private:
    SocialSecurityModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
