#pragma once

#include "commutation/commutationmodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

class frmCommutation final : public ModelWindow<CommutationModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    frmCommutation(CommutationModel& model, const Services& services, QWidget* parent = nullptr);
};

}  // namespace corvell::ui
