#pragma once
// The program's look: light grey windows, fields in bold Times New Roman,
// labels and buttons in bold MS Sans Serif, positions given in twips (1/1440
// inch) placed at 15 twips per pixel; Qt scales them on high-DPI screens.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace corvell::ui {

inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// shown in the title of every message box that has no title of its own.
QString applicationTitle();

// Maps the fonts the windows name onto fonts a Linux desktop has (the
// metric-compatible Liberation family).
void installFontSubstitutes();
// The fonts above, and the platform's own style, except that the menu bar's
// overflow arrow (shown only when the menus do not fit, which they always
// do) is read when first drawn: reading it when each menu bar is made loads
// every image format plugin.
void installLook();

QFont fieldFont();              // "Times New Roman" bold 9.75 point
QFont labelFont();              // "MS Sans Serif" bold 8.25 point
QFont captionLabelFont();       // "MS Serif" bold 9.75 point: the "Case Caption" label
QFont defaultFont();            // "MS Sans Serif" 8.25 point: the navigation row
QFont panelFont();              // "Courier New" bold 8.25 point: the ledger panel
QFont captionFont(QFont font);  // for the program's own captions, not for fields
QFont menuFont();               // the navigation row's, for the menu bar and its menus
// The stand-in the program draws a Windows font with (Liberation Serif for
// Times New Roman, and so on), once installFontSubstitutes has run.
QString standInFamily(const QString& family);
QFont makeFont(const QString& family, double points, bool bold, bool italic = false);

QColor windowGrey();  // red, green and blue 192
void paintBackground(QWidget& widget, const QColor& colour);

}  // namespace corvell::ui
