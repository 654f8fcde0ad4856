#pragma once
// "How was this calculated?": a worksheet shows how a window reached the
// figures it shows, in lines a person can check on a hand calculator: the
// inputs as typed and as read, the constants with their meaning, each step
// with its numbers, the window's own rules in plain sentences, and last the
// results as the window shows them. Each window builds its worksheet from
// the record its last Calculate kept, never from a calculation of its own,
// so the worksheet cannot disagree with the window.

#include <initializer_list>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/clock.h"
#include "shell/controlname.h"
#include "shell/dates.h"
#include "shell/keyed.h"
#include "shell/report.h"

namespace corvell {

// A result as the window shows it in one of its fields.
struct WorksheetResult {
    ControlName field;
    std::string label;
    std::string shown;
    bool operator==(const WorksheetResult&) const = default;
};

struct WorksheetLine {
    enum class Kind {
        Heading,  // starts a section
        Text,     // an input or a constant
        Step,     // arithmetic a desk calculator can check: "<label> = <side> = ..."
        Rule,     // a rule of the window's own, in one sentence
        Result,   // a figure as the window shows it
    };
    Kind kind = Kind::Text;
    std::string text;
    std::optional<WorksheetResult> result;  // for a Result line
    bool operator==(const WorksheetLine&) const = default;
};

// The sections of a calculation's worksheet, in this order.
inline constexpr std::string_view kInputsHeading = "Inputs as typed and as read";
inline constexpr std::string_view kConstantsHeading = "Constants";
inline constexpr std::string_view kStepsHeading = "Steps";

class Worksheet {
public:
    // A field as the operator typed it and the value the calculation read.
    struct Input {
        std::string_view caption;
        std::string_view text;
        std::string read;
    };

    explicit Worksheet(std::string title);

    const std::string& title() const { return title_; }
    const std::vector<WorksheetLine>& lines() const { return lines_; }

    Worksheet& heading(std::string text);
    Worksheet& text(std::string text);
    Worksheet& rule(std::string sentence);
    // A step: "<label> = <side> = ... = <last side>", each side keyed from
    // left to right (shell/keyed.h).
    Worksheet& step(std::string_view label, std::initializer_list<Keyed> sides);
    // A step whose result the window shows rounded: "... = <result>
    // (unrounded), shown <shown>". A result that is rounding noise around
    // zero (it shows as zero, and lies below the 15 digits of the figures it
    // comes from) is written as it shows, with the figure the computer left.
    Worksheet& step(std::string_view label, std::initializer_list<Keyed> sides, double result,
                    std::string_view shown);
    // The inputs section: a line "<caption>: "<text>" read as <read>" each.
    Worksheet& inputs(std::initializer_list<Input> fields);
    // The constants section, a line each (a number and what it stands for),
    // then the heading of the steps, which follow.
    Worksheet& constantsThenSteps(std::initializer_list<std::string_view> constants);
    // A line "<label>: <shown>" under the heading "As the window shows it".
    Worksheet& result(ControlName field, std::string label, std::string shown);
    // The lines of another worksheet, its title as a heading.
    Worksheet& append(const Worksheet& part);
    // The lines of another worksheet, without its title.
    Worksheet& extend(const Worksheet& part);

    // Every result line, in order.
    std::vector<WorksheetResult> results() const;
    // Whether it tells of a refused Calculate (loggedWorksheet).
    bool tellsOfRefusal() const;

    // The lines as the worksheet window shows them: the title, then each
    // section, its lines indented.
    std::vector<std::string> textLines() const;

    // The printed worksheet: portrait, "Times New Roman", the title, the
    // date and time it was made and the case caption, then the lines; the
    // caption again at the foot of every page.
    report::Document document(const std::string& caseCaption, const LocalTime& now) const;

    bool operator==(const Worksheet&) const = default;

private:
    std::string title_;
    std::vector<WorksheetLine> lines_;
};

// Numbers as a worksheet writes them: to 15 significant digits, the whole
// part grouped by threes (26,142.8571428571); very large and very small
// magnitudes in exponent form (1E+20).
std::string figure(double x);

// Every digit the computer holds, for a figure that 15 digits would round to
// something else (494.99999999999994, which 15 digits show as 495).
std::string exactFigure(double x);

// A date as mm/dd/yyyy; "no date" for day 0.
std::string dateFigure(Date date);

// Text as typed, in quotes so that blanks and empty text show.
std::string typed(std::string_view text);

// An input line: "<caption>: "<text>" read as <read>".
std::string readAs(std::string_view caption, std::string_view text, const std::string& read);

// A count with its noun: "1 day", "3 days".
std::string counted(double n, std::string_view one, std::string_view many);

// The weeks in whole days, as the windows round them: to the nearest whole
// day, a half day to the even one. "<label> = <weeks> x 7 = <days>", or the
// unrounded days and how they were rounded.
void weeksInDays(Worksheet& sheet, std::string_view label, double weeks, double days);

// The whole days of a count of days, which counts one a hair short of a
// whole number (within a millionth of a millionth of it) as that number.
void wholeDays(Worksheet& sheet, double days, double whole);

// How figures are rounded, stated once in each worksheet's constants.
inline constexpr std::string_view kRoundingRule =
    "Rounding: figures here are written to 15 significant digits, and every step carries them "
    "unrounded; a figure the window shows is rounded to its decimals, halves away from zero, "
    "after 15 significant digits (-12.494999999999999 shows as -12.50), and is marked "
    "\"(unrounded)\" beside what it shows.";

// The line every worksheet shows before its window's first Calculate.
inline constexpr std::string_view kNoCalculationYet = "No calculation yet: press Calculate.";
// The heading over the refusal of the last Calculate.
inline constexpr std::string_view kRefusedHeading = "The last Calculate was refused";

// A Calculate that a check refused: the message the window showed and the
// field it put the focus back into (empty when it put it nowhere).
struct CalculateRefusal {
    std::string message;
    std::string field;
    bool operator==(const CalculateRefusal&) const = default;
};

// What a window keeps of its Calculate for its worksheet: the record of the
// last Calculate that passed its checks, and whether the last Calculate was
// refused.
template <class Record>
struct CalculationLog {
    std::optional<Record> record;
    std::optional<CalculateRefusal> refusal;
    unsigned passes = 0;  // how many Calculates passed their checks

    void passed(Record r) {
        record = std::move(r);
        refusal.reset();
        ++passes;
    }
    void refused(std::string message, std::string field) {
        refusal = CalculateRefusal{std::move(message), std::move(field)};
    }
    void clear() {
        record.reset();
        refusal.reset();
    }
};

// How a window names its fields on a worksheet: the caption of each field's
// label, by the field's name.
struct FieldCaption {
    ControlName field;
    std::string_view caption;
};

// The worksheet of a window from what it logged: "No calculation yet" before
// any Calculate; otherwise the refusal of the last Calculate, if it was
// refused, and the worksheet of the last one that passed (`built`, when
// there is one). `afterRefusal` says what a refused Calculate leaves in the
// window's fields.
Worksheet loggedWorksheet(std::string title, const std::optional<CalculateRefusal>& refusal,
                          const std::optional<Worksheet>& built,
                          const std::vector<FieldCaption>& captions, std::string_view afterRefusal);

// The same from a window's log: `build` makes the worksheet of the last
// Calculate that passed from its record.
template <class Record, class Build>
Worksheet loggedWorksheet(std::string title, const CalculationLog<Record>& log, Build build,
                          const std::vector<FieldCaption>& captions,
                          std::string_view afterRefusal) {
    std::optional<Worksheet> built;
    if (log.record) {
        built = build(*log.record);
    }
    return loggedWorksheet(std::move(title), log.refusal, built, captions, afterRefusal);
}

}  // namespace corvell
