#pragma once

#include "offsets/lumpsummodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

class frmOffset final : public ModelWindow<LumpSumModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    frmOffset(LumpSumModel& model, const Services& services, QWidget* parent = nullptr);
};

}  // namespace corvell::ui
