#include "shell/worksheet.h"

#include <charconv>
#include <cmath>

#include "shell/daycount.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {
namespace {

constexpr std::string_view kResultsHeading = "As the window shows it";
constexpr const char* kIndent = "   ";

std::string grouped(std::string_view digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// The number a field's text shows, read without its currency sign or blanks.
std::optional<double> shownNumber(std::string_view shown) {
    std::string text;
    for (char c : shown) {
        if (c != '$' && c != ' ') {
            text += c;
        }
    }
    return CDbl(text);
}

}  // namespace

Worksheet::Worksheet(std::string title) : title_(std::move(title)) {}

Worksheet& Worksheet::heading(std::string text) {
    lines_.push_back(WorksheetLine{WorksheetLine::Kind::Heading, std::move(text), std::nullopt});
    return *this;
}

Worksheet& Worksheet::inputs(std::initializer_list<Input> fields) {
    heading(std::string(kInputsHeading));
    for (const Input& field : fields) {
        text(readAs(field.caption, field.text, field.read));
    }
    return *this;
}

Worksheet& Worksheet::constantsThenSteps(std::initializer_list<std::string_view> constants) {
    heading(std::string(kConstantsHeading));
    for (std::string_view constant : constants) {
        text(std::string(constant));
    }
    return heading(std::string(kStepsHeading));
}

Worksheet& Worksheet::text(std::string text) {
    lines_.push_back(WorksheetLine{WorksheetLine::Kind::Text, std::move(text), std::nullopt});
    return *this;
}

Worksheet& Worksheet::rule(std::string sentence) {
    lines_.push_back(
        WorksheetLine{WorksheetLine::Kind::Rule, "Rule: " + std::move(sentence), std::nullopt});
    return *this;
}

Worksheet& Worksheet::step(std::string_view label, std::initializer_list<Keyed> sides) {
    std::string line(label);
    for (const Keyed& side : sides) {
        line += " = " + side.text();
    }
    lines_.push_back(WorksheetLine{WorksheetLine::Kind::Step, std::move(line), std::nullopt});
    return *this;
}

Worksheet& Worksheet::step(std::string_view label, std::initializer_list<Keyed> sides,
                           double result, std::string_view shown) {
    step(label, sides);
    std::string& line = lines_.back().text;
    const std::optional<double> showing = shownNumber(shown);
    double scale = 0;
    for (const Keyed& side : sides) {
        scale = std::max(scale, side.scale());
    }
    // Noise: below the last of the 15 digits its figures are written to.
    if (result != 0 && showing == 0.0 && std::fabs(result) <= 4e-15 * scale) {
        line += " = 0, shown " + std::string(shown) +
                " (rounding noise: the computer's arithmetic leaves " + figure(result) + ")";
        return *this;
    }
    line += " = " + figure(result);
    if (showing != result) {
        line += " (unrounded)";
    }
    line += ", shown " + std::string(shown);
    return *this;
}

Worksheet& Worksheet::result(ControlName field, std::string label, std::string shown) {
    const bool opensSection = lines_.empty() || lines_.back().kind != WorksheetLine::Kind::Result;
    if (opensSection) {
        heading(std::string(kResultsHeading));
    }
    // An empty field reads as such, not as a line cut short.
    std::string line = label + ": " + (shown.empty() ? std::string("(empty)") : shown);
    lines_.push_back(WorksheetLine{WorksheetLine::Kind::Result, std::move(line),
                                   WorksheetResult{field, std::move(label), std::move(shown)}});
    return *this;
}

Worksheet& Worksheet::append(const Worksheet& part) {
    heading(part.title());
    return extend(part);
}

Worksheet& Worksheet::extend(const Worksheet& part) {
    lines_.insert(lines_.end(), part.lines().begin(), part.lines().end());
    return *this;
}

std::vector<WorksheetResult> Worksheet::results() const {
    std::vector<WorksheetResult> found;
    for (const WorksheetLine& line : lines_) {
        if (line.result) {
            found.push_back(*line.result);
        }
    }
    return found;
}

bool Worksheet::tellsOfRefusal() const {
    return !lines_.empty() && lines_.front().kind == WorksheetLine::Kind::Heading &&
           lines_.front().text == kRefusedHeading;
}

std::vector<std::string> Worksheet::textLines() const {
    std::vector<std::string> out{title_};
    for (const WorksheetLine& line : lines_) {
        if (line.kind == WorksheetLine::Kind::Heading) {
            out.emplace_back();
            out.push_back(line.text);
        } else {
            out.push_back(kIndent + line.text);
        }
    }
    return out;
}

report::Document Worksheet::document(const std::string& caseCaption, const LocalTime& now) const {
    using report::text;
    report::Document doc;
    doc.pageCaption(caseCaption);
    doc.font("Times New Roman").orientation(report::Orientation::Portrait);
    doc.size(14).bold(true);
    doc.line({text(title_)});
    doc.size(10).bold(false);
    doc.line(report::dateTimeItems(now));
    doc.line({text(caseCaption)});
    for (const WorksheetLine& line : lines_) {
        if (line.kind == WorksheetLine::Kind::Heading) {
            doc.line();
            doc.bold(true).line({text(line.text)}).bold(false);
        } else {
            doc.line({text(kIndent + line.text)});
        }
    }
    return doc;
}

std::string figure(double x) {
    const std::string plain = CStr(x);
    if (plain.find_first_of("EeIiNn") != std::string::npos) {
        return plain;  // exponent form, or no finite number
    }
    const bool negative = !plain.empty() && plain.front() == '-';
    const std::string_view body = std::string_view(plain).substr(negative ? 1 : 0);
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    const std::string_view rest = point == std::string_view::npos ? "" : body.substr(point);
    return (negative ? "-" : "") + grouped(whole) + std::string(rest);
}

std::string exactFigure(double x) {
    return shortestText(x);
}

std::string dateFigure(Date date) {
    return date == kNoDate ? std::string("no date") : Format(date, "mm/dd/yyyy");
}

std::string typed(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string readAs(std::string_view caption, std::string_view text, const std::string& read) {
    return std::string(caption) + ": " + typed(text) + " read as " + read;
}

namespace {

// The value a figure written to 15 significant digits stands for.
double onPaper(double x) {
    return CDbl(CStr(x)).value_or(x);
}

}  // namespace

std::string counted(double n, std::string_view one, std::string_view many) {
    return figure(n) + " " + std::string(n == 1 ? one : many);
}

void weeksInDays(Worksheet& sheet, std::string_view label, double weeks, double days) {
    const double unrounded = unroundedDays(weeks);
    const std::string name(label);
    if (figure(unrounded) == figure(days)) {
        sheet.step(name, {Keyed(weeks) * 7, days});
        return;
    }
    sheet.step(name + " before rounding", {Keyed(weeks) * 7, unrounded});
    const double written = onPaper(unrounded);
    const bool half = written - std::floor(written) == 0.5;
    if (!half && std::floor(written + 0.5) == days) {
        sheet.step(name + " to the nearest whole day", {Int(Keyed(unrounded) + 0.5), days});
    } else if (half && written == unrounded) {
        sheet.rule("Days are rounded to the nearest whole day, a half day to the even one: " +
                   figure(unrounded) + " days count as " + figure(days) + ".");
    } else {
        sheet.rule("Days are rounded to the nearest whole day: the computer's " +
                   exactFigure(unrounded) + " days count as " + figure(days) + ".");
    }
}

void wholeDays(Worksheet& sheet, double days, double whole) {
    if (figure(Int(onPaper(days))) == figure(whole)) {
        sheet.step("Whole days", {Int(Keyed(days)), whole});
    } else {
        sheet.text("Whole days: " + figure(whole));
    }
    if (whole != Int(days)) {
        sheet.rule(
            "A count of days a hair short of a whole number (within a millionth of a millionth "
            "of it) is that whole number, so " +
            exactFigure(days) + " counts as " + figure(whole) + " whole days.");
    }
}

Worksheet loggedWorksheet(std::string title, const std::optional<CalculateRefusal>& refusal,
                          const std::optional<Worksheet>& built,
                          const std::vector<FieldCaption>& captions,
                          std::string_view afterRefusal) {
    Worksheet sheet(std::move(title));
    if (!refusal && !built) {
        sheet.text(std::string(kNoCalculationYet));
        return sheet;
    }
    if (refusal) {
        sheet.heading(std::string(kRefusedHeading));
        std::string check = "A check refused it";
        for (const FieldCaption& c : captions) {
            if (c.field.name() == refusal->field) {
                check = "The check of " + std::string(c.caption) + " refused it";
            }
        }
        sheet.text(check + ", with the message " + typed(refusal->message) + ".");
        sheet.text(std::string(afterRefusal));
        if (!built) {
            sheet.text(std::string(kNoCalculationYet));
            return sheet;
        }
        sheet.text("The figures below are those of the last Calculate that passed its checks.");
    }
    return sheet.extend(*built);
}

}  // namespace corvell
