#pragma once
// Interest at 10 percent a year on compensation paid late:
// - accrued interest on the running award, per whole week, on each weekly
//   installment up to the ending date (the partial week bears none);
// - simple interest by the day from the ending date to the payment date on
//   the compensation plus its accrued interest;
// - simple interest by the day on what earlier entries of the ledger left
//   unpaid, from the latest earlier entry's payment date to this one.
// Amounts are carried unrounded; only the fields round them.

#include <vector>

#include "interest/ledger.h"
#include "shell/dates.h"

namespace corvell {

inline constexpr double DailyInterestRate = 0.1 / 360;  // on a 360-day year
inline constexpr double WeeklyInterestRate = 0.1 / 52;  // on a 52-week year

// Weeks x (Weeks + 1) x WeeklyInterestRate / 2 x CompRate, in that order.
double accruedInterest(double weeks, double compRate);

// The amounts of one earlier entry that its balance is made of.
struct PriorEntryAmounts {
    double CompAmount = 0;
    double SimpleAmount = 0;
    double AccruedAmount = 0;
    double PayAmount = 0;
    double balanceAfter = 0;  // the balance with this entry added
};

// What entries 1 to PriorEntry left owing, and the date it bears interest
// from: the latest of them's payment date, or its ending date when it has
// no payment date.
struct PriorBalance {
    double balance = 0;
    Date balanceDate;
    bool fromPaymentDate = false;  // balanceDate is the latest entry's payment date
    std::vector<PriorEntryAmounts> entries;
};

// Reads entries 1 to priorEntry only (at most the saved ones).
PriorBalance SumPriorBalance(const Ledger& ledger, int priorEntry);

// The balance of these entries' amounts, added entry by entry as
// compensation + balance + simple + accrued - payment, left to right.
PriorBalance priorBalanceOf(std::vector<PriorEntryAmounts> entries, Date balanceDate,
                            bool fromPaymentDate);

struct InterestFigures {
    double daysToPayment = 0;  // ending date to payment date
    double SimpleDays = 0;     // the same, or 0 when there is no simple interest
    double PriorDays = 0;      // days the earlier balance bears interest
    double AccruedInterest = 0;
    bool priorBears = false;       // the earlier balance bears interest
    double priorInterest = 0;      // on the earlier balance
    double entryInterest = 0;      // on this entry's compensation and accrued interest
    double simpleBeforeFloor = 0;  // the two added, before a sum of 0 or less counts as none
    double SimpleInterest = 0;
    double TotalAmount = 0;
    int PriorEntry = 0;  // entries before the current one
    PriorBalance prior;
};

struct InterestInput {
    Date EndDate;
    Date PaymentDate;  // on or after EndDate
    double Weeks = 0;
    double CompRate = 0;
    double TotalComp = 0;
    int CurrentEntry = 0;  // the entry being calculated; 0: none chosen yet
};

InterestFigures calculateInterest(const InterestInput& in, const Ledger& ledger);
// The same, with the balance of the earlier entries already summed.
InterestFigures calculateInterest(const InterestInput& in, const PriorBalance& prior);

}  // namespace corvell
