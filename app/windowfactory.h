#pragma once
// The one place that knows every window of the program: the window manager
// is handed this function and calls it the first time a window is shown.
// Each calculator window shows and drives its model in the claim.

#include <QWidget>
#include <memory>

#include "shell/navigation.h"
#include "shell/ui/services.h"

namespace corvell {
class Claim;
}

namespace corvell::app {

std::unique_ptr<QWidget> createWindow(WindowId id, const ui::Services& services, Claim& claim);

}  // namespace corvell::app
