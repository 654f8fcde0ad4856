#include "presentvalue/ui/frmpresentvalue.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdQuit", nullptr, nullptr, 7920, 120, 855, 375},
    {K::NavButton, "CmdInterest", nullptr, nullptr, 240, 240, 1095, 195},
    {K::NavButton, "cmdSocialSecurity", nullptr, nullptr, 1440, 240, 1215, 195},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 2760, 240, 1215, 195},
    {K::NavButton, "cmdLumpSum", nullptr, nullptr, 4080, 240, 1215, 195},
    {K::NavButton, "cmdSubrogation", nullptr, nullptr, 5400, 240, 1095, 195},
    {K::NavButton, "cmdPension", nullptr, nullptr, 6600, 240, 1095, 195},
};

}  // namespace

frmPresentValue::frmPresentValue(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::frmPresentValue, 9525, 5940);
    buildControls(*this, WindowId::frmPresentValue, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
