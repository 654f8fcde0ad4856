#include "shell/ui/reportpages.h"

#include <QFontMetricsF>
#include <map>

#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QFont footerFont() {
    QFont font(standInFamily(QStringLiteral("Times New Roman")));
    font.setPointSizeF(10);
    return font;
}

// The room between the caption and the page number, in average characters.
constexpr double kFooterGap = 4;

// The last line of the page, below the room the lines were given: the case
// caption at the left margin, on one line and cut short with "..." before it
// reaches the page number, and "Page n of N" centred.
void addFooter(PageRuns& page, const QString& caption, const QString& number,
               const QPaintDevice& device, QSizeF printable) {
    const QFont font = footerFont();
    const QFontMetricsF metrics(font, &device);
    const double baseline = printable.height() - metrics.descent();
    const double numberX = (printable.width() - metrics.horizontalAdvance(number)) / 2;
    const double room = numberX - kFooterGap * metrics.averageCharWidth();
    const QString shown = metrics.elidedText(caption.simplified(), Qt::ElideRight, room);
    if (!shown.isEmpty()) {
        page.push_back(PlacedRun{QPointF(0, baseline), shown, font});
    }
    page.push_back(PlacedRun{QPointF(numberX, baseline), number, font});
}

std::vector<PageRuns> layoutBody(const report::Document& document, const QPaintDevice& device,
                                 QSizeF printable) {
    const QFontMetricsF footer(footerFont(), &device);
    // Room for the footer, a line's height clear of the last line.
    const double bodyHeight = printable.height() - 2 * footer.lineSpacing();
    return breakPages(composeLines(document, device, printable.width()), bodyHeight);
}

}  // namespace

std::vector<PageRuns> breakPages(const std::vector<PrintedLine>& lines, double bodyHeight) {
    std::vector<PageRuns> pages(1);
    std::map<int, std::vector<const PrintedLine*>> headings;
    std::vector<const PrintedLine*> continued;
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
        if (line.continuedHeading) {
            continued.push_back(&line);
            continue;
        }
        if (line.headingsOf >= 0) {
            headings[line.headingsOf].push_back(&line);
        }
        if (pageHasLines && y + line.height > bodyHeight) {
            pages.emplace_back();
            y = 0;
            pageHasLines = false;
            atPageTop = true;
            for (const PrintedLine* heading : continued) {
                put(*heading);
            }
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

std::vector<std::vector<PageRuns>> layoutReports(std::span<const report::Document> documents,
                                                 const QPaintDevice& device,
                                                 const PrintableArea& printable) {
    std::vector<std::vector<PageRuns>> laidOut;
    int pages = 0;
    for (const report::Document& document : documents) {
        laidOut.push_back(layoutBody(document, device, printable(document.pageOrientation())));
        pages += static_cast<int>(laidOut.back().size());
    }
    int number = 0;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const QString caption = QString::fromStdString(documents[i].pageCaption());
        for (PageRuns& page : laidOut[i]) {
            addFooter(page, caption, pageNumberText(++number, pages), device,
                      printable(documents[i].pageOrientation()));
        }
    }
    return laidOut;
}

std::vector<PageRuns> layoutReport(const report::Document& document, const QPaintDevice& device,
                                   QSizeF printable) {
    return layoutReports(std::span(&document, 1), device,
                         [printable](report::Orientation) { return printable; })
        .front();
}

}  // namespace corvell::ui
