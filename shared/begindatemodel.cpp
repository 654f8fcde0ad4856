#include "shared/begindatemodel.h"

#include "shell/datefield.h"
#include "shell/format.h"

namespace corvell {

BeginDateModel::BeginDateModel(WindowId id, const BeginDateControls& c)
    : FormModel(id), beginningDate_(c.txtBeginningDate) {
    addFields({c.txtBeginningDate, c.txtCaseCaption});
    addCalculatorButtons(c.cmdCommCalculate, c.cmdCommPrint, c.cmdCommClear);

    on(c.txtBeginningDate, Event::LostFocus, [this] { return txtBeginningDate_LostFocus(); });
}

SavedWindow BeginDateModel::save() const {
    SavedWindow saved = FormModel::save();
    saved.state.emplace("BeginDate", values_.BeginDate == kNoDate
                                         ? std::string()
                                         : Format(values_.BeginDate, "mm/dd/yyyy"));
    return saved;
}

void BeginDateModel::rebuild(const SavedWindow& saved, FigureChanges& changes) {
    FormModel::rebuild(saved, changes);
    values_.BeginDate = CDate(stateOf(saved.state, "BeginDate", std::string())).value_or(kNoDate);
}

Reaction BeginDateModel::txtBeginningDate_LostFocus() {
    return leaveKeptDate(field(beginningDate_), values_.BeginDate, beginningDate_);
}

}  // namespace corvell
