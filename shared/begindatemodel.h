#pragma once
// What the commutation and lump sum offset windows share: a beginning date
// that is re-written and kept in the window's own calculation values when it
// is left, the case caption, the Calculate, Print and Clear buttons and the
// navigation row. Each window adds its own fields and rules.

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

// The names each of the two windows gives the shared controls.
struct BeginDateControls {
    ControlName txtBeginningDate;
    ControlName txtCaseCaption;
    ControlName cmdCommCalculate;
    ControlName cmdCommPrint;
    ControlName cmdCommClear;
};

class BeginDateModel : public FormModel {
public:
    const CalculationValues& values() const { return values_; }
    SavedWindow save() const override;

protected:
    BeginDateModel(WindowId id, const BeginDateControls& controls);

    CalculationValues values_;

    void forgetCalculations() override { values_ = {}; }
    // The beginning date as the operator last left the field or calculated,
    // which Print uses: a claim file keeps it.
    void rebuild(const SavedWindow& saved, FigureChanges& changes) override;

private:
    Reaction txtBeginningDate_LostFocus();

    ControlName beginningDate_;
};

}  // namespace corvell
