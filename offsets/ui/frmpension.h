#pragma once

#include "offsets/pensionmodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class FrmPension final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    FrmPension(PensionModel& model, const Services& services, QWidget* parent = nullptr);
    PensionModel& model() { return model_; }

private:
    PensionModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
