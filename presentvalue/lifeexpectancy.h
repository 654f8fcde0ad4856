#pragma once
// Remaining life expectancy in years by gender and whole age, 1 to 110, the
// approximation the present value window offers when a benefit runs for the
// claimant's life. The values are kept exactly as published: the steps
// between neighbouring ages are not smooth (male 73, 74, 75: 10.27, 9.27,
// 9.24) and must not be smoothed.

#include <array>

namespace corvell {

enum class Gender {
    Male = 1,    // "M": the first column of the table
    Female = 2,  // "F": the second column
};

inline constexpr int kFirstTableAge = 1;
inline constexpr int kLastTableAge = 110;

struct LifeExpectancyRow {
    double male;
    double female;
};

// Row i holds age i + 1.
extern const std::array<LifeExpectancyRow, kLastTableAge> kAgeTable;

// Life expectancy in years at a whole age of 1 to 110. The caller rounds and
// checks the age first; an age outside the table is a programming error and
// throws std::out_of_range.
double lifeExpectancy(Gender gender, int age);

}  // namespace corvell
