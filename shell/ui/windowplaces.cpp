#include "shell/ui/windowplaces.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace corvell::ui {
namespace {

QString key(const QWidget& window) {
    return QStringLiteral("windows/%1/geometry").arg(window.objectName());
}

}  // namespace

// Qt's own record of a window's geometry: it knows the window frame, so the
// window comes back where it was rather than a title bar's height lower each
// run, and it moves a window back onto a screen when its screen is gone.
// The windows keep their own fixed size whatever the record says.
void WindowPlaces::follow(QWidget& window) {
    const QByteArray kept = settings_.value(key(window)).toByteArray();
    if (!kept.isEmpty()) {
        window.restoreGeometry(kept);
    }
    window.installEventFilter(this);
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        const auto* window = static_cast<QWidget*>(watched);
        settings_.setValue(key(*window), window->saveGeometry());
    }
    return false;
}

}  // namespace corvell::ui
