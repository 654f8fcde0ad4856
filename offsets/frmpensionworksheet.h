#pragma once
// The worksheet of the pension offset window: what its last Calculate read
// and worked out, and how the new weekly rate follows.

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "offsets/weeklyrateoffset.h"
#include "shell/worksheet.h"

namespace corvell {

// What a Calculate that passed its checks read and worked out.
struct PensionRecord {
    std::string pensionText;  // as typed
    std::string percentText;
    std::string rateText;
    double pension = 0;  // as read
    double percent = 0;
    double rate = 0;
    PensionOffset offset;
    bool operator==(const PensionRecord&) const = default;
};

Worksheet pensionWorksheet(const CalculationLog<PensionRecord>& log);

}  // namespace corvell
