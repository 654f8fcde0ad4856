#include "offsets/frmsocialsecurityworksheet.h"

#include <algorithm>
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
         "0.005: half a cent, added before the new rate is shown to two decimals", kRoundingRule,
         "Rounding inside the calculation: the New Weekly Rate step adds half a cent (0.005) to "
         "the rate less the offset before the rate is shown to two decimals."});
    sheet.step("Weekly social security", {Keyed(r.monthly) / 4.34, o.weeklySocialSecurity});
    sheet.step("Offset", {Keyed(o.weeklySocialSecurity) / 2, o.offset});
    sheet.rule("Half the weekly social security, " + figure(o.offset) +
               ", is taken off the weekly rate of " + figure(r.rate) + ".");
    sheet.step("Rate less offset",
               {Keyed(r.rate) - o.offset, Keyed::written(figure(o.beforeHalfCent))});
    const std::string shown = Format(o.newRate, kSocialSecurityRatePattern);
    // A new rate that is noise against the rate itself is keyed from the rate:
    // the rate less the offset already carries the noise to 15 digits.
    const double scale = std::max({std::fabs(r.rate), std::fabs(o.offset), 0.005});
    if (o.newRate != 0 && std::fabs(o.newRate) <= 4e-15 * scale) {
        sheet.step("New Weekly Rate", {Keyed(r.rate) - o.offset + 0.005}, o.newRate, shown);
    } else {
        sheet.step("New Weekly Rate", {Keyed(o.beforeHalfCent) + 0.005}, o.newRate, shown);
    }
    const std::string alone = Format(o.beforeHalfCent, kSocialSecurityRatePattern);
    if (alone != shown) {
        sheet.rule("Half a cent is added before the new rate is rounded to cents, so it shows " +
                   shown + " where the rate less the offset alone would show " + alone + ".");
    } else {
        sheet.rule(
            "Half a cent is added before the new rate is rounded to cents; here it "
            "changes nothing, the rate less the offset alone showing " +
            alone + " too.");
    }
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
