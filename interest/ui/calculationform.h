#pragma once

#include "interest/interestmodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class CalculationForm final : public FormWindow {
public:
    explicit CalculationForm(const Services& services, QWidget* parent = nullptr);
    InterestModel& model() { return model_; }

private:
    InterestModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
