#pragma once
// Checks the three offset window tests share: where each control sits and
// what it says, the tab order, and a printed report read back from paper.

#include <QStringList>
#include <QWidget>
#include <span>
#include <string>
#include <vector>

#include "shell/controlname.h"
#include "shell/report.h"

namespace corvell::test {

// A control as the window must show it: place and size in twips, caption of a
// label or button (nullptr: not checked), tool tip (nullptr: none).
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
