#include "subrogation/ui/frmsubrogation.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdQuit", nullptr, nullptr, 8160, 240, 975, 375},
    {K::NavButton, "CmdInterest", nullptr, nullptr, 360, 240, 1095, 195},
    {K::NavButton, "cmdPresentValue", nullptr, nullptr, 1560, 240, 1215, 195},
    {K::NavButton, "cmdSocialSecurity", nullptr, nullptr, 2880, 240, 1215, 195},
    {K::NavButton, "cmdLumpSum", nullptr, nullptr, 4200, 240, 1215, 195},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 5520, 240, 1215, 195},
    {K::NavButton, "cmdPension", nullptr, nullptr, 6840, 240, 1095, 195},
};

}  // namespace

frmSubrogation::frmSubrogation(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::frmSubrogation, 9525, 6045);
    buildControls(*this, WindowId::frmSubrogation, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
