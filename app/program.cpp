#include "app/program.h"

#include "app/windowfactory.h"

namespace corvell::app {

Program::Program(ui::Dialogs& dialogs, QSettings& settings, Clock clock, std::function<void()> quit)
    : claims(claim, dialogs, settings),
      windows([this](WindowId id,
                     const ui::Services& services) { return createWindow(id, services, claim); },
              dialogs, claims, settings, std::move(clock), std::move(quit)) {}

void Program::start(const QString& claimFile) {
    windows.show(WindowId::BeginForm);
    if (!claimFile.isEmpty()) {
        claims.open(*windows.window(WindowId::BeginForm), claimFile);
    }
}

}  // namespace corvell::app
