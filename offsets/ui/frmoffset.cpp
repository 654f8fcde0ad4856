#include "offsets/ui/frmoffset.h"

#include <QApplication>
#include <QLabel>

#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmoffsetlayout.h"
#include "shell/ui/look.h"

namespace corvell::ui {

using namespace frmoffset;

namespace {

void paintFaceColour(FormWindow& window) {
    // This window shows the desktop's own face colour; only its labels keep
    // the light grey.
    paintBackground(window, QApplication::palette().color(QPalette::Window));
    for (QLabel* label : window.clientArea().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        paintBackground(*label, windowGrey());
    }
}

}  // namespace

const WindowDesign frmOffsetDesign{frmoffset::layout, cmdCommPrint, cmdCommClear, nav::cmdQuit,
                                   &paintFaceColour};

}  // namespace corvell::ui
