#include "shell/ui/windowmanager.h"

namespace corvell::ui {

WindowManager::WindowManager(WindowFactory create, Dialogs& dialogs, ClaimCommands& claims,
                             QSettings& settings, Clock clock, std::function<void()> quit)
    : create_(std::move(create)),
      services_{dialogs, *this, std::move(clock), claims},
      quit_(std::move(quit)),
      places_(settings) {}

WindowManager::~WindowManager() = default;

void WindowManager::show(WindowId id) {
    std::unique_ptr<QWidget>& slot = windows_[id];
    if (!slot) {
        slot = create_(id, services_);
        places_.follow(*slot);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void WindowManager::hide(WindowId id) {
    if (QWidget* w = window(id)) {
        w->hide();
    }
}

void WindowManager::endProcess() {
    for (auto& [id, w] : windows_) {
        w->hide();
    }
    quit_();
}

QWidget* WindowManager::window(WindowId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.get();
}

}  // namespace corvell::ui
