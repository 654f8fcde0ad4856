#pragma once

#include "offsets/lumpsummodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmOffset final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    frmOffset(LumpSumModel& model, const Services& services, QWidget* parent = nullptr);
    LumpSumModel& model() { return model_; }

private:
    LumpSumModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
