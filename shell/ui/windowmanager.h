#pragma once
// The window life cycle: one window of each kind per program run, created the
// first time it is shown and then kept, hidden or visible, until the program
// ends. Showing a window that is open only brings it to the front.

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "shell/ui/services.h"
#include "shell/ui/windowplaces.h"

class QSettings;

namespace corvell::ui {

// Creates the window `id`, handing it `services`. The program's factory lives
// in app/, the one place that knows every window.
using WindowFactory =
    std::function<std::unique_ptr<QWidget>(WindowId id, const Services& services)>;

class WindowManager final : public Navigator {
public:
    // `quit` ends the program; the real one leaves Qt's event loop.
    // `settings` keeps where each window was left.
    WindowManager(WindowFactory create, Dialogs& dialogs, ClaimCommands& claims,
                  QSettings& settings, Clock clock, std::function<void()> quit);
    ~WindowManager() override;
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    void show(WindowId id) override;
    void hide(WindowId id) override;
    void endProcess() override;

    // The window, or nullptr when it has not been opened yet.
    QWidget* window(WindowId id) const;

private:
    WindowFactory create_;
    Services services_;
    std::function<void()> quit_;
    WindowPlaces places_;
    std::map<WindowId, std::unique_ptr<QWidget>> windows_;
};

}  // namespace corvell::ui
