#include "offsets/socialsecuritymodel.h"

#include <cmath>

#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetreports.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace frmsocialsecurity;

SocialSecurityModel::SocialSecurityModel()
    : RateOffsetModel(WindowId::frmSocialSecurity,
                      {kRateField, txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear}) {
    addNumberFields({kSocialSecurityField});
    addResultFields({txtNewRate});
    showsLog(log_, &socialSecurityWorksheet);
    on(cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
    on(cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
}

Reaction SocialSecurityModel::cmdSSCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction SocialSecurityModel::calculate() {
    const NumberRead monthly = number(kSocialSecurityField);
    if (!monthly) {
        return refused(*monthly.refusal);
    }
    if (*monthly == 0) {
        return Reaction::refuse("Please enter monthly social security payment received",
                                txtSocialSecurity);
    }
    const NumberRead rate = number(kRateField);
    if (!rate) {
        return refused(*rate.refusal);
    }
    if (*rate == 0) {
        return Reaction::refuse("Please enter weekly compensation rate before adjustment", txtRate);
    }
    const SocialSecurityOffset offset = socialSecurityOffset(*monthly, *rate);
    if (!std::isfinite(offset.newRate)) {
        return tooLargeToCalculate(txtSocialSecurity);
    }
    if (offset.newRate < 0) {
        return offsetAboveRate(offset.offset, *rate, txtSocialSecurity);
    }
    field(txtNewRate) = Format(offset.newRate, kSocialSecurityRatePattern);
    log_.passed({text(txtSocialSecurity), text(txtRate), *monthly, *rate, offset});
    return {};
}

Reaction SocialSecurityModel::cmdSSClear_Click() {
    field(txtSocialSecurity).clear();
    field(txtRate).clear();
    field(txtNewRate).clear();
    field(txtCaseCaption).clear();
    log_.clear();  // the window keeps nothing of its calculation
    return Reaction::focusOn(txtSocialSecurity);
}

Reaction SocialSecurityModel::cmdSSPrint_Click() {
    return printOnce(kSocialSecurityReportTitle,
                     SocialSecurityReportFields{text(txtCaseCaption), text(txtSocialSecurity),
                                                text(txtRate), text(txtNewRate)},
                     &socialSecurityReport);
}

}  // namespace corvell
