#include "offsets/rateoffsetmodel.h"

#include "offsets/offsetfields.h"

namespace corvell {

RateOffsetModel::RateOffsetModel(WindowId id, const RateOffsetControls& c)
    : FormModel(id), rate_(c.txtRate) {
    addField(c.txtRate);
    addField(c.txtCaseCaption);
    addButton(c.cmdSSCalculate);
    addButton(c.cmdSSPrint);
    addButton(c.cmdSSClear);
    addNavigationRow();

    on(c.txtRate, Event::LostFocus, [this] { return txtRate_LostFocus(); });
    on(c.cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(c.cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
    on(c.cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
}

Reaction RateOffsetModel::txtRate_LostFocus() {
    field(rate_) = rateOnLeaving(text(rate_));
    return {};
}

}  // namespace corvell
