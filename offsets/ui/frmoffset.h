#pragma once

#include <QWidget>

#include "offsets/lumpsummodel.h"
#include "shell/ui/formbinder.h"

namespace corvell::ui {

class frmOffset final : public QWidget {
public:
    explicit frmOffset(const Services& services, QWidget* parent = nullptr);
    LumpSumModel& model() { return model_; }

private:
    LumpSumModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
