#pragma once
// The first half of laying a report out: its statements become printed
// lines, each a list of text runs with their font and left edge, in the
// measures of the printer. Items fall in print zones of 14 average character
// widths of the current font; a line wider than the printable width wraps at
// a blank and goes on under the start of its text, so an indented line keeps
// its indent; a fitted table steps its font down as a whole until its widest
// line fits, so its columns are never cut.

#include <QFont>
#include <QString>
#include <vector>

#include "shell/report.h"

class QPaintDevice;

namespace corvell::ui {

struct TextRun {
    double x = 0;  // left edge, from the left margin
    QString text;
    QFont font;
};

struct PrintedLine {
    std::vector<TextRun> runs;
    double ascent = 0;  // from the top of the line to its baseline
    double height = 0;  // down to the top of the next line
    // Part of the column headings numbered `headingsOf`; -1: an ordinary line.
    int headingsOf = -1;
    // The headings that start a page this line continues on; -1: none.
    int continuesHeadings = -1;
    // Part of the continued heading: printed atop every later page only.
    bool continuedHeading = false;

    bool blank() const;
};

// `width` is the printable width in the pixels of `device`, whose
// resolution the fonts are measured in.
std::vector<PrintedLine> composeLines(const report::Document& document, const QPaintDevice& device,
                                      double width);

}  // namespace corvell::ui
