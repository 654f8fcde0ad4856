#include "shared/calculationvalues.h"

#include <limits>
#include <nlohmann/json.hpp>

#include "shell/savedstate.h"

namespace corvell {

nlohmann::json saveValues(const CalculationValues& v) {
    return {{"BeginDate", dateJson(v.BeginDate)},
            {"EndDate", dateJson(v.EndDate)},
            {"PaymentDate", dateJson(v.PaymentDate)},
            {"Weeks", v.Weeks},
            {"Days", v.Days},
            {"CompRate", v.CompRate},
            {"TotalComp", v.TotalComp}};
}

CalculationValues loadValues(const StateReader& saved) {
    saved.expectMembers(
        {"BeginDate", "EndDate", "PaymentDate", "Weeks", "Days", "CompRate", "TotalComp"});
    CalculationValues v;
    v.BeginDate = saved["BeginDate"].date();
    v.EndDate = saved["EndDate"].date();
    v.PaymentDate = saved["PaymentDate"].date();
    v.Weeks = saved["Weeks"].number();
    v.Days = static_cast<std::int16_t>(saved["Days"].whole(
        std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    v.CompRate = saved["CompRate"].number();
    v.TotalComp = saved["TotalComp"].number();
    return v;
}

}  // namespace corvell
