#include "shell/ui/beginform.h"

#include <QCloseEvent>
#include <QLabel>

#include "shell/beginformcontrols.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/look.h"

namespace corvell::ui {

using namespace beginform;

namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::Button, cmdCompensationAndInterest, "Compensation and Interest",
     "Calculate days between dates, total compensation and interest", 240, 1680, 2640, 735},
    {K::Button, cmdPresentValue, "Present Value",
     "Calculate present value of a sum of money paid into the future", 3000, 1680, 2640, 735},
    {K::Button, cmdSocialSecurity, "Social Security", "Calculate social security offset", 5760,
     1680, 2640, 735},
    {K::Button, cmdOffset, "Lump Sum Offset", "Calculate offset for severence or other lump  sum",
     8520, 1680, 2640, 735},
    {K::Button, Command1, "Commutation Computing", "Calculate commutation from total agreed amount",
     1620, 2640, 2640, 735},
    {K::Button, Command2, "Subrogation", "Calculate subrogation distribution", 4380, 2640, 2640,
     735},
    {K::Button, cmdPension, "Pension", "Calculate pension offset", 7140, 2640, 2640, 735},
    {K::Button, cmdExit, "Close", nullptr, 10440, 120, 855, 375},
    {K::Label, Label1, "Workers' Compensation Calculator", nullptr, 2760, 120, 7560, 600},
    {K::Label, Text1, "\"Tools for the Workers' Compensation Professional\"", nullptr, 120, 840,
     11280, 615},
    {K::Label, Text2, "CORVELL'S", nullptr, 240, 120, 2400, 600},
};

void styleBanner(QWidget& window, ControlName name, const QFont& font, Qt::Alignment alignment) {
    auto* label = findControl<QLabel>(window, name);
    label->setFont(captionFont(font));
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

BeginForm::BeginForm(const Services& services, QWidget* parent)
    : FormWindow(WindowId::BeginForm, 11520, 3600, parent),
      services_(services),
      binder_(*this, model_, services) {
    buildControls(*this, WindowId::BeginForm, kLayout);
    const QString times = QStringLiteral("Times New Roman");
    styleBanner(*this, Label1, makeFont(times, 20.25, true), Qt::AlignLeft | Qt::AlignVCenter);
    styleBanner(*this, Text1, makeFont(times, 20.25, true, true), Qt::AlignCenter);
    styleBanner(*this, Text2, makeFont(QStringLiteral("Arial"), 18, true),
                Qt::AlignLeft | Qt::AlignVCenter);
    binder_.bind();
    addMenus(binder_, {.close = cmdExit});
}

void BeginForm::closeEvent(QCloseEvent* event) {
    if (services_.endProgram(*this)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace corvell::ui
