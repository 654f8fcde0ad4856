#pragma once

#include "offsets/lumpsummodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class frmOffset final : public FormWindow {
public:
    explicit frmOffset(const Services& services, QWidget* parent = nullptr);
    LumpSumModel& model() { return model_; }

private:
    LumpSumModel model_;
    FormBinder binder_;
};

}  // namespace corvell::ui
