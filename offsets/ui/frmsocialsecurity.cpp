#include "offsets/ui/frmsocialsecurity.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdQuit", nullptr, nullptr, 8160, 120, 975, 375},
    {K::NavButton, "CmdInterest", nullptr, nullptr, 480, 240, 1095, 195},
    {K::NavButton, "cmdPresentValue", nullptr, nullptr, 1680, 240, 1215, 195},
    {K::NavButton, "cmdLumpSum", nullptr, nullptr, 3000, 240, 1215, 195},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 4320, 240, 1215, 195},
    {K::NavButton, "cmdSubrogation", nullptr, nullptr, 5640, 240, 1095, 195},
    {K::NavButton, "cmdPension", nullptr, nullptr, 6840, 240, 1095, 195},
};

}  // namespace

frmSocialSecurity::frmSocialSecurity(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::frmSocialSecurity, 9525, 6105);
    buildControls(*this, WindowId::frmSocialSecurity, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
