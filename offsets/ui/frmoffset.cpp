#include "offsets/ui/frmoffset.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdQuit", nullptr, nullptr, 8280, 120, 975, 375},
    {K::NavButton, "CmdInterest", nullptr, nullptr, 240, 120, 1095, 195},
    {K::NavButton, "cmdPresentValue", nullptr, nullptr, 1440, 120, 1215, 195},
    {K::NavButton, "cmdSocialSecurity", nullptr, nullptr, 2760, 120, 1215, 195},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 4080, 120, 1215, 195},
    {K::NavButton, "cmdSubrogation", nullptr, nullptr, 5400, 120, 1095, 195},
    {K::NavButton, "cmdPension", nullptr, nullptr, 6600, 120, 1095, 195},
};

}  // namespace

frmOffset::frmOffset(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::frmOffset, 9630, 6075);
    buildControls(*this, WindowId::frmOffset, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
