#include "offsets/socialsecuritymodel.h"

#include <cmath>

#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/offsetfields.h"
#include "offsets/offsetrecords.h"
#include "offsets/offsetreports.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/savedstate.h"
#include "shell/values.h"
#include "shell/worksheetstate.h"

namespace corvell {

using namespace frmsocialsecurity;

SocialSecurityModel::SocialSecurityModel()
    : RateOffsetModel(WindowId::frmSocialSecurity,
                      {txtRate, txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear}) {
    addFields({txtSocialSecurity, txtNewRate});
    keepLog(log_, socialSecurityRecords);
    on(cmdSSCalculate, Event::Click, [this] { return cmdSSCalculate_Click(); });
    on(cmdSSClear, Event::Click, [this] { return cmdSSClear_Click(); });
    on(cmdSSPrint, Event::Click, [this] { return cmdSSPrint_Click(); });
}

Reaction SocialSecurityModel::cmdSSCalculate_Click() {
    return logRefusal(log_, calculate());
}

Reaction SocialSecurityModel::calculate() {
    const std::string& monthlyText = text(txtSocialSecurity);
    const std::string& rateText = text(txtRate);
    const std::optional<double> monthlyRead = fieldNumber(monthlyText);
    if (!monthlyRead) {
        return notValidNumber(monthlyText, txtSocialSecurity);
    }
    if (*monthlyRead == 0) {
        return Reaction::refuse("Please enter monthly social security payment received",
                                txtSocialSecurity);
    }
    const std::optional<double> rateRead = fieldNumber(rateText);
    if (!rateRead) {
        return notValidNumber(rateText, txtRate);
    }
    if (*rateRead == 0) {
        return Reaction::refuse("Please enter weekly compensation rate before adjustment", txtRate);
    }
    // A number followed by other text passes the tests above but is no amount.
    const auto monthly = CDbl(monthlyText);
    if (!monthly) {
        return notValidNumber(monthlyText, txtSocialSecurity);
    }
    const auto rate = CDbl(rateText);
    if (!rate) {
        return notValidNumber(rateText, txtRate);
    }
    const SocialSecurityOffset offset = socialSecurityOffset(*monthly, *rate);
    if (!std::isfinite(offset.newRate)) {
        return tooLargeToCalculate(txtSocialSecurity);
    }
    field(txtNewRate) = Format(offset.newRate, kSocialSecurityRatePattern);
    log_.passed({monthlyText, rateText, *monthly, *rate, offset});
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
