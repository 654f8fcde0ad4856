#pragma once

#include "offsets/socialsecuritymodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmSocialSecurity final : public FormWindow {
public:
    explicit frmSocialSecurity(const Services& services, QWidget* parent = nullptr);
    SocialSecurityModel& model() { return model_; }

private:
    SocialSecurityModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
