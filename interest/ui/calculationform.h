#pragma once

#include <QWidget>

#include "interest/interestmodel.h"
#include "shell/ui/formbinder.h"

namespace corvell::ui {

class CalculationForm final : public QWidget {
public:
    explicit CalculationForm(const Services& services, QWidget* parent = nullptr);
    InterestModel& model() { return model_; }

private:
    InterestModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
