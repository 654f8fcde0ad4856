#include "shared/begindatemodel.h"

#include "shell/datefield.h"

namespace corvell {

BeginDateModel::BeginDateModel(WindowId id, const BeginDateControls& c)
    : FormModel(id), beginningDate_(c.txtBeginningDate) {
    addField(c.txtBeginningDate);
    addField(c.txtCaseCaption);
    addButton(c.cmdCommCalculate);
    addButton(c.cmdCommPrint);
    addButton(c.cmdCommClear);
    addNavigationRow();

    on(c.txtBeginningDate, Event::LostFocus, [this] { return txtBeginningDate_LostFocus(); });
    on(c.cmdCommCalculate, Event::Click, [this] { return cmdCommCalculate_Click(); });
    on(c.cmdCommClear, Event::Click, [this] { return cmdCommClear_Click(); });
    on(c.cmdCommPrint, Event::Click, [this] { return cmdCommPrint_Click(); });
}

Reaction BeginDateModel::txtBeginningDate_LostFocus() {
    return leaveKeptDate(field(beginningDate_), values_.BeginDate, beginningDate_);
}

}  // namespace corvell
