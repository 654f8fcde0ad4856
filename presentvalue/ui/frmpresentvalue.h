#pragma once

#include "presentvalue/presentvaluemodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmPresentValue final : public FormWindow {
public:
    // Shows and drives `model`, which the claim keeps.
    frmPresentValue(PresentValueModel& model, const Services& services, QWidget* parent = nullptr);
    PresentValueModel& model() { return model_; }

private:
    PresentValueModel& model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
