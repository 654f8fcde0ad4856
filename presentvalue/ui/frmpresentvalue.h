#pragma once

#include <QWidget>

#include "presentvalue/presentvaluemodel.h"
#include "shell/ui/formbinder.h"

namespace corvell::ui {

class frmPresentValue final : public QWidget {
public:
    explicit frmPresentValue(const Services& services, QWidget* parent = nullptr);
    PresentValueModel& model() { return model_; }

private:
    PresentValueModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
