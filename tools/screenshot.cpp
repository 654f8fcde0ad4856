// Saves a picture of one window as the operator first sees it:
//   screenshot WINDOW FILE.png      (WINDOW: BeginForm, CalculationForm, ...)
// Used for the README; runs on any Qt platform, Xvfb included.

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/windowmanager.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot WINDOW FILE.png\n");
        return 2;
    }
    corvell::ui::installFontSubstitutes();
    corvell::ui::SystemDialogs dialogs;
    corvell::ui::WindowManager windows(dialogs, corvell::SystemNow, [] {});
    const QString wanted = QString::fromLocal8Bit(argv[1]);
    const corvell::WindowId all[] = {
        corvell::WindowId::BeginForm,       corvell::WindowId::CalculationForm,
        corvell::WindowId::frmPresentValue, corvell::WindowId::frmSocialSecurity,
        corvell::WindowId::FrmPension,      corvell::WindowId::frmOffset,
        corvell::WindowId::frmCommutation,  corvell::WindowId::frmSubrogation};
    for (corvell::WindowId id : all) {
        if (QString::fromStdString(std::string(corvell::windowClassName(id))) == wanted) {
            windows.show(id);
            QWidget* w = windows.window(id);
            QTimer::singleShot(300, &app, [&] {
                const bool ok = w->grab().save(QString::fromLocal8Bit(argv[2]));
                QApplication::exit(ok ? 0 : 1);
            });
            return QApplication::exec();
        }
    }
    std::fprintf(stderr, "no window named %s\n", argv[1]);
    return 2;
}
