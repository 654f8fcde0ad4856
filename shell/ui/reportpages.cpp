#include "shell/ui/reportpages.h"

#include <QFontMetricsF>
#include <map>

#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QFont pageNumberFont() {
    QFont font(standInFamily(QStringLiteral("Times New Roman")));
    font.setPointSizeF(10);
    return font;
}

// Centres "Page n of N" on the last line of each page, below the room the
// lines were given.
void numberPages(std::vector<PageRuns>& pages, const QFont& font, const QPaintDevice& device,
                 QSizeF printable) {
    const QFontMetricsF metrics(font, &device);
    const int count = static_cast<int>(pages.size());
    if (count < 2) {
        return;
    }
    for (int n = 1; n <= count; ++n) {
        const QString text = pageNumberText(n, count);
        const double x = (printable.width() - metrics.horizontalAdvance(text)) / 2;
        const double baseline = printable.height() - metrics.descent();
        pages[n - 1].push_back(PlacedRun{QPointF(x, baseline), text, font});
    }
}

}  // namespace

std::vector<PageRuns> breakPages(const std::vector<PrintedLine>& lines, double bodyHeight) {
    std::vector<PageRuns> pages(1);
    std::map<int, std::vector<const PrintedLine*>> headings;
    double y = 0;
    bool pageHasLines = false;  // beyond repeated headings
    bool atPageTop = false;     // a page break left no line on this page yet
    const auto put = [&](const PrintedLine& line) {
        for (const TextRun& run : line.runs) {
            pages.back().push_back(PlacedRun{QPointF(run.x, y + line.ascent), run.text, run.font});
        }
        y += line.height;
    };
    for (const PrintedLine& line : lines) {
        if (line.headingsOf >= 0) {
            headings[line.headingsOf].push_back(&line);
        }
        if (pageHasLines && y + line.height > bodyHeight) {
            pages.emplace_back();
            y = 0;
            pageHasLines = false;
            atPageTop = true;
            if (line.continuesHeadings >= 0) {
                for (const PrintedLine* heading : headings[line.continuesHeadings]) {
                    put(*heading);
                }
            }
        }
        if (atPageTop && line.blank()) {
            continue;
        }
        put(line);
        pageHasLines = true;
        atPageTop = false;
    }
    return pages;
}

QString pageNumberText(int page, int pages) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
}

std::vector<PageRuns> layoutReport(const report::Document& document, const QPaintDevice& device,
                                   QSizeF printable) {
    const QFont numberFont = pageNumberFont();
    const QFontMetricsF numbers(numberFont, &device);
    // Room for the page numbers, a line's height clear of the last line.
    const double bodyHeight = printable.height() - 2 * numbers.lineSpacing();
    std::vector<PageRuns> pages =
        breakPages(composeLines(document, device, printable.width()), bodyHeight);
    numberPages(pages, numberFont, device, printable);
    return pages;
}

}  // namespace corvell::ui
