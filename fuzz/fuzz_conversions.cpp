// Any text through the program's readings of numbers and dates, set against
// the fuzz targets' own (fuzz/reading.h): a number field's reading, with and
// without a percent sign, the whole-text and leading-number readings, the
// dates CDate, IsDate and DateValue read, what a date field writes out and
// how it completes bare digits must all agree with them. And any number
// through every display pattern the program uses: nothing crashes, and what
// is shown reads back, as the targets read it, as the value it shows.

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "shell/datefield.h"
#include "shell/dates.h"
#include "shell/format.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;

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

// The same number, the sign of a zero included.
bool same(std::optional<double> a, std::optional<double> b) {
    return a.has_value() == b.has_value() &&
           (!a || (*a == *b && std::signbit(*a) == std::signbit(*b)));
}

std::string shownNumber(std::optional<double> n) {
    return n ? CStr(*n) : std::string("no number");
}

std::string shownDate(std::optional<Date> d) {
    return d ? dateText(*d) : std::string("no date");
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
        const auto back = wholeTextNumber(shown);
        FUZZ_CHECK(back.has_value(), "%s under %s shows %s", CStr(value).c_str(), p.text,
                   shown.c_str());
        FUZZ_CHECK(close(*back, value, 0.5 * std::pow(10.0, -p.decimals)), "%s under %s shows %s",
                   CStr(value).c_str(), p.text, shown.c_str());
    }
    const auto str = wholeTextNumber(Str(value));
    FUZZ_CHECK(str && close(*str, value, 0), "Str(%s) = %s", CStr(value).c_str(),
               Str(value).c_str());
    const auto cstr = wholeTextNumber(CStr(value));
    FUZZ_CHECK(cstr && close(*cstr, value, 0), "CStr gives %s", CStr(value).c_str());
}

// The program's readings of numbers against the targets' own.
void checkNumberReadings(const std::string& text) {
    const std::optional<double> field = typedNumber(text);
    FUZZ_CHECK(same(fieldNumber(text), field), "a number field reads \"%s\" as %s, not %s",
               text.c_str(), shownNumber(fieldNumber(text)).c_str(), shownNumber(field).c_str());
    const std::optional<double> percent = typedNumber(text, true);
    FUZZ_CHECK(same(fieldNumber(text, true), percent),
               "a percentage field reads \"%s\" as %s, not %s", text.c_str(),
               shownNumber(fieldNumber(text, true)).c_str(), shownNumber(percent).c_str());
    const std::optional<double> whole = wholeTextNumber(text);
    FUZZ_CHECK(same(CDbl(text), whole), "CDbl reads \"%s\" as %s, not %s", text.c_str(),
               shownNumber(CDbl(text)).c_str(), shownNumber(whole).c_str());
    const double leading = leadingNumber(text);
    FUZZ_CHECK(same(Val(text), leading), "Val reads \"%s\" as %s, not %s", text.c_str(),
               CStr(Val(text)).c_str(), CStr(leading).c_str());
    if (whole) {
        checkNumber(*whole);
    }
    checkNumber(leading);
}

// The program's readings of dates against the targets' own.
void checkDateReadings(const std::string& text) {
    const std::optional<Date> date = typedDate(text);
    FUZZ_CHECK(CDate(text) == date, "CDate reads \"%s\" as %s, not %s", text.c_str(),
               shownDate(CDate(text)).c_str(), shownDate(date).c_str());
    FUZZ_CHECK(IsDate(text) == date.has_value(), "IsDate(\"%s\") is %d", text.c_str(),
               IsDate(text));
    FUZZ_CHECK(DateValue(text) == date, "DateValue reads \"%s\" as %s, not %s", text.c_str(),
               shownDate(DateValue(text)).c_str(), shownDate(date).c_str());
    if (date) {
        FUZZ_CHECK(Format(*date, "mm/dd/yyyy") == dateText(*date), "day %d shows as %s, not %s",
                   date->day, Format(*date, "mm/dd/yyyy").c_str(), dateText(*date).c_str());
    }
    const std::string written = dateWrittenOut(text);
    FUZZ_CHECK(Format(text, "mm/dd/yyyy") == written, "\"%s\" is written out as \"%s\", not \"%s\"",
               text.c_str(), Format(text, "mm/dd/yyyy").c_str(), written.c_str());
    const std::string completed = digitsCompleted(text);
    FUZZ_CHECK(completeDateDigits(text) == completed, "\"%s\" completes to \"%s\", not \"%s\"",
               text.c_str(), completeDateDigits(text).c_str(), completed.c_str());
    for (const Pattern& p : kNumeric) {
        (void)Format(text, p.text);
    }
    for (const char* p : kDatePatterns) {
        (void)Format(text, p);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkNumberReadings(text);
    checkDateReadings(text);
    FUZZ_CHECK(UCase(text).size() == text.size(), "UCase changes the length");
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
