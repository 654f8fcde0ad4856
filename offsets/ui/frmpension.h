#pragma once

#include <QWidget>

#include "offsets/pensionmodel.h"
#include "shell/ui/formbinder.h"

namespace corvell::ui {

class FrmPension final : public QWidget {
public:
    explicit FrmPension(const Services& services, QWidget* parent = nullptr);
    PensionModel& model() { return model_; }

private:
    PensionModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
