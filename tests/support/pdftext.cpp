#include "tests/support/pdftext.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "shell/ui/printsetup.h"

namespace corvell::test {

PdfResult renderToPdf(const report::Document& document, int copies, const QPageSize& paper) {
    PdfResult result;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ui::preparePrinter(printer, paper);
        result.rendered = ui::printCopies(document, printer, copies);
    }
    if (!result.rendered) {
        return result;
    }
    return readPdf(path);
}

PdfResult readPdf(const QString& path) {
    PdfResult result;
    result.rendered = QFileInfo(path).isFile();
    if (!result.rendered) {
        return result;
    }
    QString tool = qEnvironmentVariable("CORVELL_PDFTOTEXT");
    if (tool.isEmpty()) {
        tool = QStringLiteral("pdftotext");
    }
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(30000);
    const QString about = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    const auto match = size.match(about);
    const auto title =
        QRegularExpression(QStringLiteral("^Title: +(.*)$"), QRegularExpression::MultilineOption)
            .match(about);
    result.title = title.captured(1);
    if (match.hasMatch()) {
        result.pageWidth = match.captured(1).toDouble();
        result.pageHeight = match.captured(2).toDouble();
        result.landscape = result.pageWidth > result.pageHeight;
    }
    QProcess pages;
    pages.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("100000"), path});
    pages.waitForFinished(30000);
    const QRegularExpression pageSize(
        QStringLiteral("Page +[0-9]+ size:\\s+([0-9.]+) x ([0-9.]+)"));
    for (auto it = pageSize.globalMatch(QString::fromUtf8(pages.readAllStandardOutput()));
         it.hasNext();) {
        const auto m = it.next();
        result.pagesLandscape << (m.captured(1).toDouble() > m.captured(2).toDouble());
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    result.text = QString::fromUtf8(process.readAllStandardOutput());

    QProcess boxes;
    boxes.start(tool, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    boxes.waitForFinished(30000);
    const QString xhtml = QString::fromUtf8(boxes.readAllStandardOutput());
    const QRegularExpression word(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"[0-9.]+\">([^<]*)</word>"));
    int page = 0;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const double x = m.captured(1).toDouble();
        result.words.append(PdfWord{m.captured(4), page, x, m.captured(2).toDouble(),
                                    m.captured(3).toDouble() - x});
    }
    result.pages = static_cast<int>(result.text.count(QChar('\f')));
    if (!result.text.endsWith(QChar('\f')) && !result.text.isEmpty()) {
        ++result.pages;
    }
    return result;
}

QStringList fixedPitchLines(const PdfResult& pdf, const QString& anchor) {
    const auto first = std::find_if(pdf.words.begin(), pdf.words.end(),
                                    [&](const PdfWord& w) { return w.text == anchor; });
    if (first == pdf.words.end()) {
        return {};
    }
    const double left = first->x;
    const double pitch = first->width / static_cast<double>(anchor.size());
    QStringList lines;
    QString line;
    std::pair<int, double> at{-1, -1};  // page and top of the line being built
    for (const PdfWord& w : pdf.words) {
        if (std::abs(w.width / static_cast<double>(w.text.size()) - pitch) > 0.01) {
            continue;
        }
        if (std::pair{w.page, w.y} != at) {
            if (at.first >= 0) {
                lines << line;
            }
            line.clear();
            at = {w.page, w.y};
        }
        const auto column = static_cast<qsizetype>(std::lround((w.x - left) / pitch));
        line = line.leftJustified(column, QChar(' ')) + w.text;
    }
    if (at.first >= 0) {
        lines << line;
    }
    return lines;
}

namespace {

// Each page's non-empty lines, trailing blanks removed.
QList<QStringList> pagesOf(const QString& text) {
    QList<QStringList> pages;
    for (const QString& page : text.split(QChar('\f'), Qt::SkipEmptyParts)) {
        QStringList lines;
        for (QString line : page.split(QChar('\n'))) {
            while (line.endsWith(QChar(' '))) {
                line.chop(1);
            }
            if (!line.isEmpty()) {
                lines << line;
            }
        }
        pages << lines;
    }
    return pages;
}

bool isFoot(const QString& line) {
    static const QRegularExpression number(QStringLiteral("Page [0-9]+ of [0-9]+$"));
    return number.match(line).hasMatch();
}

}  // namespace

QStringList bodyLines(const QString& text) {
    QStringList lines;
    for (QStringList page : pagesOf(text)) {
        if (!page.isEmpty() && isFoot(page.last())) {
            page.removeLast();
        }
        lines << page;
    }
    return lines;
}

QStringList pageFeet(const QString& text) {
    QStringList feet;
    for (const QStringList& page : pagesOf(text)) {
        feet << (!page.isEmpty() && isFoot(page.last()) ? page.last().simplified() : QString());
    }
    return feet;
}

QStringList pdfLines(const report::Document& document) {
    return bodyLines(renderToPdf(document).text);
}

QStringList simplifiedLines(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            out << line.simplified();
        }
    }
    return out;
}

QStringList simplifiedLines(const std::vector<std::string>& lines) {
    QStringList q;
    for (const std::string& line : lines) {
        q << QString::fromStdString(line);
    }
    return simplifiedLines(q);
}

}  // namespace corvell::test
