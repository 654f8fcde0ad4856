// Any text through every conversion and display pattern the program uses:
// nothing crashes, and what is shown reads back as the value it shows.

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "shell/datefield.h"
#include "shell/dates.h"
#include "shell/format.h"
#include "shell/values.h"

using namespace corvell;

namespace {

// Every numeric pattern the windows and reports use, with its decimals.
struct Pattern {
    const char* text;
    int decimals;
};
// Four patterns to a row, so the table reads at a glance.
// clang-format off
constexpr Pattern kNumeric[] = {
    {"#,###,##0.00", 2}, {"##,###", 0},        {"###0.00", 2},       {"#,###.00", 2},
    {"#,###", 0},        {"#####", 0},         {"##,###,###.00", 2}, {"##,###.00", 2},
    {"#,###,###.00", 2}, {"#,##0", 0},         {"0", 0},             {"#,##0.00", 2},
    {"##,###,##0.00", 2}, {"###,##0.00", 2},   {"##,###,##.00", 2},  {"$#,##0.00", 2},
    {"$###,##0.00", 2},  {"$##,##0.00", 2},    {"##,##0.00", 2},     {"$##,###,##0.00", 2},
    {"$##0.00", 2},      {"$#,###,##0.00", 2}, {"$#,##,##0.00", 2},  {"$##,##0.00", 2},
};
// clang-format on
constexpr const char* kDatePatterns[] = {"mm/dd/yyyy", "MM/DD/YYYY", "mm/dd/yy"};

bool close(double shown, double value, double tolerance) {
    return std::fabs(shown - value) <= tolerance + std::fabs(value) * 1e-14;
}

void checkNumber(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    for (const Pattern& p : kNumeric) {
        const std::string shown = Format(value, p.text);
        if (shown.empty()) {
            // Only a "#"-only pattern shows nothing, and only for what rounds to 0.
            FUZZ_CHECK(std::fabs(value) < 0.5, "%s under %s shows nothing", CStr(value).c_str(),
                       p.text);
            continue;
        }
        const auto back = CDbl(shown);
        FUZZ_CHECK(back.has_value(), "%s under %s shows %s", CStr(value).c_str(), p.text,
                   shown.c_str());
        FUZZ_CHECK(close(*back, value, 0.5 * std::pow(10.0, -p.decimals)), "%s under %s shows %s",
                   CStr(value).c_str(), p.text, shown.c_str());
    }
    const auto str = CDbl(Str(value));
    FUZZ_CHECK(str && close(*str, value, 0), "Str(%s) = %s", CStr(value).c_str(),
               Str(value).c_str());
    const auto cstr = CDbl(CStr(value));
    FUZZ_CHECK(cstr && close(*cstr, value, 0), "CStr gives %s", CStr(value).c_str());
}

void checkText(const std::string& text) {
    const double val = Val(text);
    FUZZ_CHECK(std::isfinite(val), "Val of %s", text.c_str());
    const auto whole = CDbl(text);
    if (whole) {
        FUZZ_CHECK(std::isfinite(*whole), "CDbl of %s", text.c_str());
        FUZZ_CHECK(fieldNumber(text) == *whole, "field number of %s", text.c_str());
        checkNumber(*whole);
    } else if (const auto number = fieldNumber(text)) {
        FUZZ_CHECK(*number == val, "field number of %s", text.c_str());
    }
    // Without one, the text holds a number beyond the double range, whole or
    // as far as Val reads.
    checkNumber(val);

    const auto date = CDate(text);
    FUZZ_CHECK(IsDate(text) == date.has_value(), "IsDate and CDate disagree on %s", text.c_str());
    if (date) {
        FUZZ_CHECK(inRange(*date), "%s reads outside the calendar", text.c_str());
        const std::string shown = Format(*date, "mm/dd/yyyy");
        FUZZ_CHECK(CDate(shown) == date, "%s shows as %s", text.c_str(), shown.c_str());
        FUZZ_CHECK(DateValue(text) == date, "DateValue of %s", text.c_str());
    }
    for (const Pattern& p : kNumeric) {
        (void)Format(text, p.text);
    }
    for (const char* p : kDatePatterns) {
        const std::string shown = Format(text, p);
        if (shown != text && IsDate(shown)) {
            FUZZ_CHECK(inRange(*CDate(shown)), "%s under %s", text.c_str(), p);
        }
    }
    // What a date field makes of the text, re-formatted as the windows do.
    const std::string completed = Format(completeDateDigits(text), "mm/dd/yyyy");
    if (const auto d = CDate(completed)) {
        FUZZ_CHECK(Format(*d, "mm/dd/yyyy") == completed, "%s completes to %s", text.c_str(),
                   completed.c_str());
    }
    FUZZ_CHECK(UCase(text).size() == text.size(), "UCase changes the length");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkText(text);
    if (size >= sizeof(double)) {
        double raw = 0;
        __builtin_memcpy(&raw, data, sizeof raw);
        checkNumber(raw);
        if (std::isfinite(raw) && std::fabs(raw) < 1e7) {
            if (const auto d = DateAdd(static_cast<std::int64_t>(raw), Date{38353})) {
                FUZZ_CHECK(DateDiff(Date{38353}, *d) == static_cast<std::int64_t>(raw), "DateAdd");
            }
        }
    }
    return 0;
}
