#pragma once
// Checks the window tests share: where each control sits and what it says,
// the tab order, a refusal as the operator sees it, and a printed report
// read back from paper.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <span>
#include <string>
#include <vector>

#include "shell/controlname.h"
#include "shell/report.h"
#include "tests/support/windowtest.h"

namespace corvell::test {

// A control as the window must show it: place and size in twips (a width of
// 0: not checked), caption of a label or button (nullptr: not checked), tool
// tip (nullptr: none).
struct Placed {
    ControlName name;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    const char* toolTip;
};

// Place, size, caption and tool tip of every control listed.
void checkPlaces(QWidget& window, std::span<const Placed> controls);

// The controls Tab walks through, starting from the first one listed.
void checkTabOrder(QWidget& window, const std::vector<ControlName>& order);

// The one message a refused handler showed, under the program's title, and
// the refused field focused with its whole text selected.
void checkRefusal(const WindowTest& t, QWidget& window, const QString& message, ControlName field);

// The report the window's Print button prints.
const report::Document& printed(WindowTest& t, QWidget& window, ControlName print);

// Fonts: text fields in bold Times New Roman 9.75 point, labels and buttons
// in bold MS Sans Serif 8.25 point, the Case Caption label in bold MS Serif.
void checkFonts(QWidget& window, const std::vector<ControlName>& fields,
                const std::vector<ControlName>& labels, const std::vector<ControlName>& buttons,
                ControlName caseCaptionLabel);

// The report as printed: Times New Roman 16 point portrait throughout, its
// plain lines `expected`, and the text a
// PDF of it holds must read the same, line by line: the same words, and the
// same lines indented by a print zone, by a few blanks or not at all (empty
// lines aside, and blanks between words counted once, as a PDF keeps neither).
void checkReport(const report::Document& document, const std::vector<std::string>& expected);

}  // namespace corvell::test
