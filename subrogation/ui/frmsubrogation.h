#pragma once

#include "shell/ui/modelwindow.h"
#include "subrogation/subrogationmodel.h"

namespace corvell::ui {

class frmSubrogation final : public ModelWindow<SubrogationModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    frmSubrogation(SubrogationModel& model, const Services& services, QWidget* parent = nullptr);
};

}  // namespace corvell::ui
