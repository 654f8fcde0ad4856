#include "shell/ui/beginform.h"

#include <QCloseEvent>
#include <QLabel>

#include "shell/beginformcontrols.h"
#include "shell/beginformlayout.h"
#include "shell/ui/formlayout.h"
#include "shell/ui/look.h"

namespace corvell::ui {

using namespace beginform;

namespace {

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
    : FormWindow(beginform::layout, parent), services_(services), binder_(*this, model_, services) {
    buildControls(*this, beginform::layout);
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
