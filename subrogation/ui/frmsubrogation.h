#pragma once

#include <QWidget>

#include "shell/ui/formbinder.h"
#include "subrogation/subrogationmodel.h"

namespace corvell::ui {

class frmSubrogation final : public QWidget {
public:
    explicit frmSubrogation(const Services& services, QWidget* parent = nullptr);
    SubrogationModel& model() { return model_; }

private:
    SubrogationModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
