#include "offsets/frmsocialsecurityworksheet.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "offsets/frmsocialsecuritycontrols.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmsocialsecurity;

namespace {

Worksheet calculated(const SocialSecurityRecord& r) {
    const SocialSecurityOffset& o = r.offset;
    Worksheet sheet("Social Security Offset");
    sheet.inputs({{"Net Social Security Amount (a month)", r.monthlyText, figure(r.monthly)},
                  {"Weekly Comp. Rate", r.rateText, figure(r.rate)}});
    sheet.constantsThenSteps(
        {"4.34: weeks in a month, turning the monthly amount into a weekly one",
         "2: one half of the weekly social security is offset",
         "0.005: half a cent, added before the new rate is shown to two decimals"});
    sheet.text("Weekly social security = " + figure(r.monthly) +
               " / 4.34 = " + figure(o.weeklySocialSecurity));
    sheet.text("Offset = " + figure(o.weeklySocialSecurity) + " / 2 = " + figure(o.offset));
    sheet.text("Rate less offset = " + figure(r.rate) + " - " + figure(o.offset) + " = " +
               figure(o.beforeHalfCent));
    const std::string shown = Format(o.newRate, kSocialSecurityRatePattern);
    sheet.text("New Weekly Rate = " + figure(o.beforeHalfCent) + " + 0.005 = " + figure(o.newRate) +
               ", shown " + shown);
    sheet.rule("Half a cent is added before the new rate is rounded to cents, so it shows " +
               shown + " where the rate less the offset alone would show " +
               Format(o.beforeHalfCent, kSocialSecurityRatePattern) + ".");
    sheet.result(txtNewRate, "New Weekly Rate", shown);
    return sheet;
}

}  // namespace

Worksheet socialSecurityWorksheet(const CalculationLog<SocialSecurityRecord>& log) {
    return loggedWorksheet(
        "Social Security Offset: how the figures were calculated", log, calculated,
        {{txtSocialSecurity, "Net Social Security Amount"}, {txtRate, "Weekly Comp. Rate"}},
        "A refused Calculate changes no figure the window shows.");
}

}  // namespace corvell
