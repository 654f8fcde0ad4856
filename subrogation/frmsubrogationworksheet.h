#pragma once
// The worksheet of the subrogation window: what its last Calculate read and
// worked out, and how the lien recovery, the new weekly rate and its weeks
// and days follow.

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "shell/worksheet.h"
#include "subrogation/subrogationcalc.h"

namespace corvell {

// What a Calculate that passed its checks read and worked out.
struct SubrogationRecord {
    std::string totalText;  // as typed
    std::string costsText;
    std::string rateText;
    std::string lienText;
    std::string agreedText;  // read only when no lien is given
    SubrogationAmounts amounts;
    SubrogationDistribution distribution;
};

// The worksheet of the window from its log.
Worksheet subrogationWorksheet(const CalculationLog<SubrogationRecord>& log);

}  // namespace corvell
