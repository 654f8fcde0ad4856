#pragma once
// What the social security and pension windows share: a weekly rate field
// that is re-written with two decimals when it is left, the Calculate, Print
// and Clear buttons and the navigation row. Each window adds its own fields
// and rules.

#include "shell/formmodel.h"

namespace corvell {

// The names each of the two windows gives the shared controls.
struct RateOffsetControls {
    NumberField rate;
    ControlName txtCaseCaption;
    ControlName cmdSSCalculate;
    ControlName cmdSSPrint;
    ControlName cmdSSClear;
};

class RateOffsetModel : public FormModel {
protected:
    RateOffsetModel(WindowId id, const RateOffsetControls& controls);

private:
    Reaction txtRate_LostFocus();

    NumberField rate_;
};

}  // namespace corvell
