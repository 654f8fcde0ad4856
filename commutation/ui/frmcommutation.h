#pragma once

#include <QWidget>

#include "commutation/commutationmodel.h"
#include "shell/ui/formbinder.h"

namespace corvell::ui {

class frmCommutation final : public QWidget {
public:
    explicit frmCommutation(const Services& services, QWidget* parent = nullptr);
    CommutationModel& model() { return model_; }

private:
    CommutationModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
