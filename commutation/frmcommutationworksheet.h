#pragma once
// The worksheet of the commutation window: what its last Calculate read and
// worked out, and how the end date and the weekly rate follow.

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "shell/dates.h"
#include "shell/worksheet.h"

namespace corvell {

// What a Calculate that ran to its end read and worked out.
struct CommutationRecord {
    std::string beginText;  // as typed
    std::string weeksText;
    std::string amountText;
    Date begin;  // as read
    double weeks = 0;
    double amount = 0;
    std::int16_t days = 0;  // weeks x 7, rounded half to even
    Date end;
    double rate = 0;
};

// The worksheet of the window from its log.
Worksheet commutationWorksheet(const CalculationLog<CommutationRecord>& log);

}  // namespace corvell
