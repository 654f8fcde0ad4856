#include "shell/ui/pdffile.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include "shell/reportfilename.h"
#include "shell/ui/look.h"
#include "shell/ui/reportrenderer.h"

namespace corvell::ui {

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

QString fileTitle(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

QString proposedReportPath(const std::string& title, const std::string& caseCaption,
                           const LocalTime& day, std::string_view extension) {
    return QDir(documentsFolder())
        .filePath(QString::fromStdString(reportFileName(title, caseCaption, day, extension)));
}

std::optional<QString> writePdf(const report::Document& document, const QPageLayout& layout,
                                const QString& path, const QString& title) {
    return writePdf(std::vector<report::Document>{document}, layout, path, title);
}

std::optional<QString> writePdf(const std::vector<report::Document>& documents,
                                const QPageLayout& layout, const QString& path,
                                const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(applicationTitle());
        writer.setTitle(title);
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
