#include "shell/ui/windowpaper.h"

#include <QSettings>
#include <QSizeF>

#include "shell/ui/printsetup.h"

namespace corvell::ui {
namespace {

QString paperKey(WindowId window) {
    return QStringLiteral("printing/%1/paper")
        .arg(QLatin1String(windowClassName(window).data(), windowClassName(window).size()));
}

}  // namespace

QPageSize windowPaper(const QSettings& settings, WindowId window) {
    const QVariant kept = settings.value(paperKey(window));
    // A paper of the printer's own has no name of Qt's: its size is kept.
    if (kept.typeId() == QMetaType::QSizeF) {
        const QPageSize custom(kept.toSizeF(), QPageSize::Point);
        if (custom.isValid()) {
            return custom;
        }
    }
    const QString name = kept.toString();
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto paper = static_cast<QPageSize::PageSizeId>(id);
        if (paper != QPageSize::Custom && QPageSize::key(paper) == name) {
            return QPageSize(paper);
        }
    }
    return defaultPaper();
}

void rememberWindowPaper(QSettings& settings, WindowId window, const QPageSize& paper) {
    settings.setValue(paperKey(window), paper.id() == QPageSize::Custom
                                            ? QVariant(paper.size(QPageSize::Point))
                                            : QVariant(QPageSize::key(paper.id())));
}

}  // namespace corvell::ui
