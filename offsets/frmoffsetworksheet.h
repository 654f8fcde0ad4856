#pragma once
// The worksheet of the lump sum offset window: what its last Calculate read
// and worked out, and how the weeks, days, end date and remainder follow.

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "offsets/lumpsumoffset.h"
#include "shell/worksheet.h"

namespace corvell {

// What a Calculate that passed its checks read and worked out.
struct LumpSumRecord {
    std::string beginText;  // as typed
    std::string rateText;
    std::string amountText;
    Date begin;  // as read
    double rate = 0;
    double amount = 0;
    LumpSumOffset offset;
};

Worksheet lumpSumWorksheet(const CalculationLog<LumpSumRecord>& log);

}  // namespace corvell
