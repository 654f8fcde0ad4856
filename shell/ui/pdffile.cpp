#include "shell/ui/pdffile.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include "shell/reportfilename.h"
#include "shell/ui/look.h"
#include "shell/ui/reportrenderer.h"

namespace corvell::ui {

QString proposedReportPath(const std::string& title, const std::string& caseCaption,
                           const LocalTime& day) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(QString::fromStdString(reportFileName(title, caseCaption, day)));
}

std::optional<QString> writePdf(const report::Document& document, const QPageLayout& layout,
                                const QString& path) {
    return writePdf(std::vector<report::Document>{document}, layout, path);
}

std::optional<QString> writePdf(const std::vector<report::Document>& documents,
                                const QPageLayout& layout, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(applicationTitle());
        writer.setPageLayout(layout);
        painted = renderReports(documents, writer);
    }
    if (!painted) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError
                   ? file.errorString()
                   : QStringLiteral("the report could not be drawn");
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace corvell::ui
