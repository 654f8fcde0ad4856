#include "shell/ui/windowmanager.h"

#include "commutation/ui/frmcommutation.h"
#include "interest/ui/calculationform.h"
#include "offsets/ui/frmoffset.h"
#include "offsets/ui/frmpension.h"
#include "offsets/ui/frmsocialsecurity.h"
#include "presentvalue/ui/frmpresentvalue.h"
#include "shell/ui/beginform.h"
#include "subrogation/ui/frmsubrogation.h"

namespace corvell::ui {

WindowManager::WindowManager(Dialogs& dialogs, Clock clock, std::function<void()> quit)
    : services_{dialogs, *this, std::move(clock)}, quit_(std::move(quit)) {}

WindowManager::~WindowManager() = default;

std::unique_ptr<QWidget> WindowManager::create(WindowId id) {
    switch (id) {
        case WindowId::BeginForm:
            return std::make_unique<BeginForm>(services_);
        case WindowId::CalculationForm:
            return std::make_unique<CalculationForm>(services_);
        case WindowId::frmPresentValue:
            return std::make_unique<frmPresentValue>(services_);
        case WindowId::frmSocialSecurity:
            return std::make_unique<frmSocialSecurity>(services_);
        case WindowId::FrmPension:
            return std::make_unique<FrmPension>(services_);
        case WindowId::frmOffset:
            return std::make_unique<frmOffset>(services_);
        case WindowId::frmCommutation:
            return std::make_unique<frmCommutation>(services_);
        case WindowId::frmSubrogation:
            return std::make_unique<frmSubrogation>(services_);
    }
    return nullptr;
}

void WindowManager::show(WindowId id) {
    std::unique_ptr<QWidget>& slot = windows_[id];
    if (!slot) {
        slot = create(id);
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
