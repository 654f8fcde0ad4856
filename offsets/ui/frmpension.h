#pragma once

#include "offsets/pensionmodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

class FrmPension final : public ModelWindow<PensionModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    FrmPension(PensionModel& model, const Services& services, QWidget* parent = nullptr);
};

}  // namespace corvell::ui
