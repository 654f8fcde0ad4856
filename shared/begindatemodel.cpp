#include "shared/begindatemodel.h"

#include "shell/datefield.h"

namespace corvell {

BeginDateModel::BeginDateModel(WindowId id, const BeginDateControls& c)
    : FormModel(id), beginningDate_(c.txtBeginningDate) {
    addFields({c.txtBeginningDate, c.txtCaseCaption});
    addCalculatorButtons(c.cmdCommCalculate, c.cmdCommPrint, c.cmdCommClear);

    on(c.txtBeginningDate, Event::LostFocus, [this] { return txtBeginningDate_LostFocus(); });
}

void BeginDateModel::rebuild(const SavedWindow& saved, FigureChanges& changes) {
    FormModel::rebuild(saved, changes);
    if (!text(beginningDate_).empty()) {
        std::string typed = text(beginningDate_);  // as typed: the field itself is not rewritten
        (void)leaveKeptDate(typed, values_.BeginDate, beginningDate_);
    }
}

Reaction BeginDateModel::txtBeginningDate_LostFocus() {
    return leaveKeptDate(field(beginningDate_), values_.BeginDate, beginningDate_);
}

}  // namespace corvell
