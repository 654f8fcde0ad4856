#include "shell/ui/reportlines.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

// A fitted table steps down no further than this; past it, lines wrap.
constexpr double kSmallestPoints = 4;

// What a text covers on paper: trailing blanks leave no mark.
double inkWidth(const QFontMetricsF& metrics, const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QChar(' ')) {
        --n;
    }
    return metrics.horizontalAdvance(text.left(n));
}

// The last blank whose text before it fits in `room`; -1 when none does.
qsizetype lastBlankWithin(const QFontMetricsF& metrics, const QString& text, double room) {
    qsizetype found = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QChar(' ')) {
            continue;
        }
        if (inkWidth(metrics, text.left(i)) > room) {
            break;
        }
        found = i;
    }
    return found;
}

// How many characters from the start fit in `room`.
qsizetype charsWithin(const QFontMetricsF& metrics, const QString& text, double room) {
    qsizetype n = 0;
    while (n < text.size() && metrics.horizontalAdvance(text.left(n + 1)) <= room) {
        ++n;
    }
    return n;
}

QString firstWord(const QString& text) {
    const qsizetype blank = text.indexOf(QChar(' '));
    return blank < 0 ? text : text.left(blank);
}

QString withoutLeadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n] == QChar(' ')) {
        ++n;
    }
    return text.mid(n);
}

// Turns statements into lines, one statement at a time. A copy goes on from
// the same point, which lets a fitted table be tried at several sizes.
class LineComposer {
public:
    LineComposer(const QPaintDevice& device, double width)
        : device_(&device),
          width_(width),
          font_(standInFamily(QStringLiteral("Times New Roman"))) {}

    void apply(const report::Statement& statement) {
        if (const auto* p = std::get_if<report::Print>(&statement)) {
            print(*p);
        } else if (const auto* f = std::get_if<report::SetFont>(&statement)) {
            font_.setFamily(standInFamily(QString::fromStdString(f->name)));
        } else if (const auto* s = std::get_if<report::SetSize>(&statement)) {
            points_ = s->points;
        } else if (const auto* b = std::get_if<report::SetBold>(&statement)) {
            font_.setBold(b->on);
        } else if (const auto* u = std::get_if<report::SetUnderline>(&statement)) {
            font_.setUnderline(u->on);
        } else if (const auto* t = std::get_if<report::FittedTable>(&statement)) {
            inTable_ = t->opens;
            if (!t->opens && headingsInTable_) {
                continuing_ = -1;  // the table's headings end with it
            }
        } else if (const auto* h = std::get_if<report::Headings>(&statement)) {
            inHeadings_ = h->opens;
            if (h->opens) {
                ++headingsCount_;
            } else {
                continuing_ = headingsCount_;
                headingsInTable_ = inTable_;
            }
        } else if (const auto* c = std::get_if<report::ContinuedHeading>(&statement)) {
            inContinuedHeading_ = c->opens;
        }
        // Orientation is the printer's, taken before the first page starts.
    }

    // Prints every size so many points smaller (but no smaller than the
    // smallest) until stepped down by 0 again.
    void stepDown(double points) { stepDown_ = points; }

    // For trying a table at one size: no line wraps, and widths are
    // measured from here on.
    void measureFromHere() {
        width_ = std::numeric_limits<double>::infinity();
        widest_ = lineInk_;
        largestPoints_ = 0;
    }
    double widestLine() const { return std::max(widest_, lineInk_); }
    double largestPoints() const { return largestPoints_; }

    std::vector<PrintedLine> finish() {
        if (lineOpen_) {
            endLine();
        }
        return std::move(lines_);
    }

private:
    QFont currentFont() const {
        QFont font = font_;
        font.setPointSizeF(std::min(points_, std::max(kSmallestPoints, points_ - stepDown_)));
        return font;
    }

    void print(const report::Print& statement) {
        lineOpen_ = true;
        const QFontMetricsF metrics(currentFont(), device_);
        const double zoneWidth = report::kZoneColumns * metrics.averageCharWidth();
        for (const report::Item& item : statement.items) {
            if (item.kind == report::Item::Kind::Zone) {
                x_ = (std::floor(x_ / zoneWidth + 1e-9) + 1) * zoneWidth;
                continue;
            }
            const QStringList parts =
                QString::fromStdString(item.text).remove(QChar('\r')).split(QChar('\n'));
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (i > 0) {
                    endLine();
                    lineOpen_ = true;
                }
                addText(parts[i]);
            }
        }
        if (statement.endsLine) {
            endLine();
        }
    }

    // Places the text on the line, wrapping what goes past the right margin:
    // at the last blank that fits; a word that would fit a line of its own
    // moves there whole; a longer word breaks where it must.
    void addText(QString text) {
        const QFont font = currentFont();
        const QFontMetricsF metrics(font, device_);
        while (!text.isEmpty()) {
            const double room = width_ - x_;
            if (inkWidth(metrics, text) <= room) {
                place(text, font, metrics);
                return;
            }
            const qsizetype blank = lastBlankWithin(metrics, text, room);
            if (blank > 0 || (blank == 0 && !runs_.empty())) {
                place(text.left(blank), font, metrics);
                wrap();
                text = withoutLeadingBlanks(text.mid(blank));
                continue;
            }
            const bool lineStarted = x_ > lineStart_;
            if (lineStarted && inkWidth(metrics, firstWord(text)) <= width_ - hangingIndent()) {
                wrap();
                continue;
            }
            const qsizetype fits = charsWithin(metrics, text, room);
            if (fits == 0 && lineStarted) {
                wrap();
                continue;
            }
            const qsizetype cut = std::max<qsizetype>(fits, 1);
            place(text.left(cut), font, metrics);
            wrap();
            text = text.mid(cut);
        }
    }

    // Where the next line of a wrapped line starts: under the start of its
    // text, unless that is past the middle, where too little room is left.
    double hangingIndent() const {
        return textStart_ > 0 && textStart_ <= width_ / 2 ? textStart_ : 0;
    }

    void wrap() {
        const double indent = hangingIndent();
        endLine();
        x_ = indent;
        lineStart_ = indent;
        textStart_ = indent;
    }

    void place(const QString& text, const QFont& font, const QFontMetricsF& metrics) {
        if (text.isEmpty()) {
            return;
        }
        if (textStart_ < 0) {
            const QString rest = withoutLeadingBlanks(text);
            if (!rest.isEmpty()) {
                textStart_ = x_ + metrics.horizontalAdvance(text.left(text.size() - rest.size()));
            }
        }
        runs_.push_back(TextRun{x_, text, font});
        lineInk_ = std::max(lineInk_, x_ + inkWidth(metrics, text));
        x_ += metrics.horizontalAdvance(text);
        largestPoints_ = std::max(largestPoints_, font.pointSizeF());
    }

    void endLine() {
        PrintedLine line;
        if (runs_.empty()) {
            const QFontMetricsF metrics(currentFont(), device_);
            line.ascent = metrics.ascent();
            line.height = metrics.lineSpacing();
        }
        for (const TextRun& run : runs_) {
            const QFontMetricsF metrics(run.font, device_);
            line.ascent = std::max(line.ascent, metrics.ascent());
            line.height = std::max(line.height, metrics.lineSpacing());
        }
        line.runs = std::move(runs_);
        runs_.clear();
        line.headingsOf = inHeadings_ ? headingsCount_ : -1;
        line.continuesHeadings = inHeadings_ ? -1 : continuing_;
        line.continuedHeading = inContinuedHeading_;
        lines_.push_back(std::move(line));
        widest_ = std::max(widest_, lineInk_);
        lineInk_ = 0;
        x_ = 0;
        lineStart_ = 0;
        textStart_ = -1;
        lineOpen_ = false;
    }

    const QPaintDevice* device_;
    double width_;
    QFont font_;
    double points_ = 12;
    double stepDown_ = 0;

    std::vector<TextRun> runs_;  // the line under way
    double x_ = 0;
    double lineStart_ = 0;   // where the line under way started: 0, or a hanging indent
    double textStart_ = -1;  // where its first character that shows stands; -1: none yet
    double lineInk_ = 0;     // where the line under way stops showing
    bool lineOpen_ = false;
    std::vector<PrintedLine> lines_;

    bool inTable_ = false;
    bool inHeadings_ = false;
    bool inContinuedHeading_ = false;
    bool headingsInTable_ = false;
    int headingsCount_ = -1;  // the number of the latest headings
    int continuing_ = -1;     // the headings the lines from here on continue

    double widest_ = 0;
    double largestPoints_ = 0;
};

// Where the fitted table opened at `open` closes (or the last statement).
std::size_t tableClose(const std::vector<report::Statement>& statements, std::size_t open) {
    for (std::size_t i = open + 1; i < statements.size(); ++i) {
        const auto* t = std::get_if<report::FittedTable>(&statements[i]);
        if (t != nullptr && !t->opens) {
            return i;
        }
    }
    return statements.size() - 1;
}

// The fewest points the table opened at `open` must step down for its
// widest line to fit `width`.
double fittingStep(const LineComposer& before, const std::vector<report::Statement>& statements,
                   std::size_t open, double width) {
    const std::size_t close = tableClose(statements, open);
    for (double step = 0;; step += 1) {
        LineComposer trial = before;
        trial.measureFromHere();
        trial.stepDown(step);
        for (std::size_t i = open; i <= close; ++i) {
            trial.apply(statements[i]);
        }
        if (trial.widestLine() <= width || trial.largestPoints() <= kSmallestPoints) {
            return step;
        }
    }
}

}  // namespace

bool PrintedLine::blank() const {
    return std::all_of(runs.begin(), runs.end(),
                       [](const TextRun& run) { return run.text.trimmed().isEmpty(); });
}

std::vector<PrintedLine> composeLines(const report::Document& document, const QPaintDevice& device,
                                      double width) {
    LineComposer composer(device, width);
    const std::vector<report::Statement>& statements = document.statements();
    for (std::size_t i = 0; i < statements.size(); ++i) {
        const auto* table = std::get_if<report::FittedTable>(&statements[i]);
        if (table != nullptr && table->opens) {
            composer.stepDown(fittingStep(composer, statements, i, width));
        }
        composer.apply(statements[i]);
        if (table != nullptr && !table->opens) {
            composer.stepDown(0);
        }
    }
    return composer.finish();
}

}  // namespace corvell::ui
