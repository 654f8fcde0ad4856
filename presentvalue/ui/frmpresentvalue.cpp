#include "presentvalue/ui/frmpresentvalue.h"

#include <QLineEdit>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/frmpresentvaluelayout.h"

namespace corvell::ui {

using namespace frmpresentvalue;

namespace {

void alignCaptionTop(FormWindow& window) {
    // The caption is a single-line field of several lines' height: its text
    // sits at the top, where the operator starts reading.
    if (auto* caption = findControl<QLineEdit>(window, txtCaseCaption)) {
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

}  // namespace

const WindowDesign frmPresentValueDesign{frmpresentvalue::layout, cmdPVPrint, cmdPVClear,
                                         nav::cmdQuit, &alignCaptionTop};

}  // namespace corvell::ui
