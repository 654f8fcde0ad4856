#include "shell/beginformmodel.h"

#include "shell/beginformcontrols.h"

namespace corvell {

using namespace beginform;

namespace {

struct MenuButton {
    ControlName control;
    WindowId target;
};

constexpr MenuButton kMenu[] = {
    {cmdCompensationAndInterest, WindowId::CalculationForm},
    {cmdPresentValue, WindowId::frmPresentValue},
    {cmdSocialSecurity, WindowId::frmSocialSecurity},
    {cmdOffset, WindowId::frmOffset},
    {Command1, WindowId::frmCommutation},
    {Command2, WindowId::frmSubrogation},
    {cmdPension, WindowId::FrmPension},
};

}  // namespace

BeginFormModel::BeginFormModel() : FormModel(WindowId::BeginForm) {
    for (const MenuButton& button : kMenu) {
        addButton(button.control);
        const WindowId target = button.target;
        on(button.control, Event::Click, [target] { return Reaction::open(target); });
    }
    addButton(cmdExit);
    on(cmdExit, Event::Click, [this] { return cmdExit_Click(); });
}

Reaction BeginFormModel::cmdExit_Click() {
    return Reaction::quit();
}

}  // namespace corvell
