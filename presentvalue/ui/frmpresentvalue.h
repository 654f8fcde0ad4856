#pragma once

#include "presentvalue/presentvaluemodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

class frmPresentValue final : public ModelWindow<PresentValueModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    frmPresentValue(PresentValueModel& model, const Services& services, QWidget* parent = nullptr);
};

}  // namespace corvell::ui
