#pragma once
// Reports as PDF files: where a report's file is proposed, and writing one
// without the printer dialog.

#include <QPageLayout>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/clock.h"
#include "shell/report.h"

namespace corvell::ui {

// The report's file name of `day` (shell/reportfilename.h) in the
// documentsFolder().
QString proposedReportPath(const std::string& title, const std::string& caseCaption,
                           const LocalTime& day, std::string_view extension = "pdf");
// The operator's Documents folder, or the home folder when there is none.
QString documentsFolder();
// A file's name without its folder and its last extension: the title a PDF
// file is given after the name proposed for it.
QString fileTitle(const QString& path);

// Writes one copy of the document into the PDF file `path` on the paper and
// margins of `layout`, painted as the printer paints it, with `title` as the
// file's title. The file appears whole or not at all, and a file already
// there is replaced only once the new one is complete. The reason it failed,
// or std::nullopt.
std::optional<QString> writePdf(const report::Document& document, const QPageLayout& layout,
                                const QString& path, const QString& title);
// The same with several documents, each from a new page (reportrenderer.h).
std::optional<QString> writePdf(const std::vector<report::Document>& documents,
                                const QPageLayout& layout, const QString& path,
                                const QString& title);

}  // namespace corvell::ui
