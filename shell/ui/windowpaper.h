#pragma once
// The paper each window prints on, kept in the program's settings so that
// the operator's choice in a window's printer dialog or page setup outlives
// the run: Letter until the operator chooses other paper, whatever the
// system's language. The report, not the paper, decides the orientation.

#include <QPageSize>

#include "shell/navigation.h"

class QSettings;

namespace corvell::ui {

QPageSize windowPaper(const QSettings& settings, WindowId window);

void rememberWindowPaper(QSettings& settings, WindowId window, const QPageSize& paper);

}  // namespace corvell::ui
