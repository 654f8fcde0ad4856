#pragma once
// The worksheet of the present value window: what its last Calculate read
// and worked out, and how the weeks, the total and the present value follow.

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "presentvalue/presentvaluecalc.h"
#include "shell/dates.h"
#include "shell/worksheet.h"

namespace corvell {

// What a Calculate that passed its checks read and worked out.
struct PresentValueRecord {
    // The fields as typed when Calculate was pressed.
    std::string fromText;
    std::string toText;
    std::string weeksText;
    std::string ageText;
    std::string genderText;
    std::string rateText;
    std::string interestText;

    Date from;
    std::optional<Date> to;  // a To Date given: the weeks come from the dates

    // The age and gender given: the weeks of the claimant's life expectancy.
    struct Life {
        double age = 0;  // as read
        int ageKey = 0;  // rounded half to even
        bool male = true;
        double years = 0;  // from the table
        double weeks = 0;  // years x 52.25
    };
    std::optional<Life> life;

    // Without a To Date: the weeks as the Weeks field read (typed, or written
    // from the age), their days and the To Date they give.
    std::string weeksRead;
    std::int16_t days = 0;
    Date toDate;

    double Weeks = 0;
    bool rateGiven = false;  // without a Comp Rate, the last calculation's rate and total stay
    double CompRate = 0;
    double TotalComp = 0;

    std::string interestRead;  // the Interest Rate read (".05" when none was typed)
    double interest = 0;       // as read
    double DiscountRate = 0;   // as a fraction
    DiscountedSum discount;
};

// The worksheet of the window from its log.
Worksheet presentValueWorksheet(const CalculationLog<PresentValueRecord>& log);

}  // namespace corvell
