#include "shared/begindatemodel.h"

#include <nlohmann/json.hpp>

#include "shell/datefield.h"
#include "shell/savedstate.h"

namespace corvell {

BeginDateModel::BeginDateModel(WindowId id, const BeginDateControls& c)
    : FormModel(id), beginningDate_(c.txtBeginningDate) {
    addFields({c.txtBeginningDate, c.txtCaseCaption});
    addCalculatorButtons(c.cmdCommCalculate, c.cmdCommPrint, c.cmdCommClear);
    keep(
        "values", [this] { return saveValues(values_); },
        [this](const StateReader& saved) { values_ = loadValues(saved); });

    on(c.txtBeginningDate, Event::LostFocus, [this] { return txtBeginningDate_LostFocus(); });
}

Reaction BeginDateModel::txtBeginningDate_LostFocus() {
    return leaveKeptDate(field(beginningDate_), values_.BeginDate, beginningDate_);
}

}  // namespace corvell
