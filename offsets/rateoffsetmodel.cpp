#include "offsets/rateoffsetmodel.h"

#include "shell/ratefield.h"

namespace corvell {

RateOffsetModel::RateOffsetModel(WindowId id, const RateOffsetControls& c)
    : FormModel(id), rate_(c.rate) {
    addNumberFields({c.rate});
    addFields({c.txtCaseCaption});
    addCalculatorButtons(c.cmdSSCalculate, c.cmdSSPrint, c.cmdSSClear);

    on(c.rate.control, Event::LostFocus, [this] { return txtRate_LostFocus(); });
}

Reaction RateOffsetModel::txtRate_LostFocus() {
    return leaveRateField(field(rate_.control), rate_);
}

}  // namespace corvell
