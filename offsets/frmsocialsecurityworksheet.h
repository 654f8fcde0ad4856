#pragma once
// The worksheet of the social security offset window: what its last
// Calculate read and worked out, and how the new weekly rate follows.

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "offsets/weeklyrateoffset.h"
#include "shell/worksheet.h"

namespace corvell {

// What a Calculate that passed its checks read and worked out.
struct SocialSecurityRecord {
    std::string monthlyText;  // as typed
    std::string rateText;
    double monthly = 0;  // as read
    double rate = 0;
    SocialSecurityOffset offset;
    bool operator==(const SocialSecurityRecord&) const = default;
};

Worksheet socialSecurityWorksheet(const CalculationLog<SocialSecurityRecord>& log);

}  // namespace corvell
