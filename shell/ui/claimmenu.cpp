#include "shell/ui/claimmenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include "shell/ui/claimcommands.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {
namespace {

// Lists the recent claims, numbered, when the submenu opens: the list changes
// with every claim opened or saved, in any window.
void listRecentClaims(QMenu& recent, QWidget& window, ClaimCommands& claims) {
    recent.clear();
    const QStringList paths = claims.recentClaims();
    if (paths.isEmpty()) {
        recent.addAction(QStringLiteral("No Recent Claims"))->setEnabled(false);
        return;
    }
    int number = 0;
    for (const QString& path : paths) {
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = recent.addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        QObject::connect(action, &QAction::triggered, &recent,
                         [&window, &claims, path] { claims.openRecentClaim(window, path); });
    }
}

}  // namespace

void addClaimCommands(QMenu& file, QWidget& window, ClaimCommands& claims) {
    addCommand(file, menu::mnuNewClaim, QStringLiteral("&New Claim"),
               QKeySequence(Qt::CTRL | Qt::Key_N), [&] { claims.newClaim(window); });
    addCommand(file, menu::mnuOpenClaim, QStringLiteral("&Open Claim..."),
               QKeySequence(Qt::CTRL | Qt::Key_O), [&] { claims.openClaim(window); });
    QMenu& recent = addSubmenu(file, menu::mnuOpenRecent, QStringLiteral("Open &Recent"));
    QObject::connect(&recent, &QMenu::aboutToShow, &recent,
                     [&recent, &window, &claims] { listRecentClaims(recent, window, claims); });
    addCommand(file, menu::mnuSaveClaim, QStringLiteral("&Save Claim"),
               QKeySequence(Qt::CTRL | Qt::Key_S), [&] { claims.saveClaim(window); });
    addCommand(file, menu::mnuSaveClaimAs, QStringLiteral("Save Claim &As..."),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&] { claims.saveClaimAs(window); });
}

}  // namespace corvell::ui
