#include "offsets/ui/frmpension.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdQuit", nullptr, nullptr, 7920, 120, 975, 375},
    {K::NavButton, "CmdInterest", nullptr, nullptr, 240, 240, 1095, 195},
    {K::NavButton, "cmdPresentValue", nullptr, nullptr, 1440, 240, 1215, 195},
    {K::NavButton, "cmdSocialSecurity", nullptr, nullptr, 2760, 240, 1215, 195},
    {K::NavButton, "CmdLumpSum", nullptr, nullptr, 4080, 240, 1095, 195},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 5280, 240, 1215, 195},
    {K::NavButton, "cmdSubrogation", nullptr, nullptr, 6600, 240, 1095, 195},
};

}  // namespace

FrmPension::FrmPension(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::FrmPension, 9510, 6075);
    buildControls(*this, WindowId::FrmPension, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
