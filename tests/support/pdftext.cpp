#include "tests/support/pdftext.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "shell/ui/reportrenderer.h"

namespace corvell::test {

PdfResult renderToPdf(const report::Document& document) {
    PdfResult result;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        result.rendered = ui::renderReport(document, printer);
    }
    if (!result.rendered) {
        return result;
    }
    QString tool = qEnvironmentVariable("CORVELL_PDFTOTEXT");
    if (tool.isEmpty()) {
        tool = QStringLiteral("pdftotext");
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    result.text = QString::fromUtf8(process.readAllStandardOutput());
    result.pages = static_cast<int>(result.text.count(QChar('\f')));
    if (!result.text.endsWith(QChar('\f')) && !result.text.isEmpty()) {
        ++result.pages;
    }
    return result;
}

QStringList pdfLines(const report::Document& document) {
    QStringList lines;
    const QString text = renderToPdf(document).text;
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        while (line.endsWith(QChar(' '))) {
            line.chop(1);
        }
        if (!line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

}  // namespace corvell::test
