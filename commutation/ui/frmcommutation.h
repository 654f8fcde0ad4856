#pragma once

#include "commutation/commutationmodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmCommutation final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    frmCommutation(CommutationModel& model, const Services& services, QWidget* parent = nullptr);
    CommutationModel& model() { return model_; }

private:
    CommutationModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
