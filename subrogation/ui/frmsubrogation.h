#pragma once

#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"
#include "subrogation/subrogationmodel.h"

namespace corvell::ui {

class frmSubrogation final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    frmSubrogation(SubrogationModel& model, const Services& services, QWidget* parent = nullptr);
    SubrogationModel& model() { return model_; }

private:
    SubrogationModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
