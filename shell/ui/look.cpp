#include "shell/ui/look.h"

#include <QApplication>
#include <QIconEngine>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>
#include <optional>

namespace corvell::ui {

QString applicationTitle() {
    return QStringLiteral("Corvell's Calculator");
}

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

// The layouts and reports name Windows fonts; the program draws them with
// their metric-compatible stand-ins, which it depends on, so that windows
// and reports look alike on every machine. Asking for the stand-in itself
// also spares the font lookup a search through every fallback font for a
// family most machines lack, a good part of start-up.
QString standInFamily(const QString& family) {
    return QFont::substitute(family);
}

QFont makeFont(const QString& family, double points, bool bold, bool italic) {
    QFont font(standInFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Captions are the program's own Latin text: they need no fallback fonts,
// and looking fallbacks up takes a good part of start-up. Fields keep their
// fallbacks for whatever the operator types.
QFont captionFont(QFont font) {
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Menus are captions too; in the navigation row's face they add no typeface
// of their own to what a window loads.
QFont menuFont() {
    return defaultFont();
}

QFont fieldFont() {
    return makeFont(QStringLiteral("Times New Roman"), 9.75, true);
}
QFont labelFont() {
    return captionFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
}
QFont captionLabelFont() {
    return captionFont(makeFont(QStringLiteral("MS Serif"), 9.75, true));
}
QFont defaultFont() {
    return captionFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, false));
}
QFont panelFont() {
    QFont font = makeFont(QStringLiteral("Courier New"), 8.25, true);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QColor windowGrey() {
    return QColor(192, 192, 192);
}

void paintBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

namespace {

// A standard icon of `style`, read when it is first drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredStandardIcon(style_, which_); }

private:
    const QIcon& icon() {
        if (!icon_) {
            icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        }
        return *icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

class DeferredArrowStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new DeferredStandardIcon(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void installLook() {
    installFontSubstitutes();
    if (dynamic_cast<DeferredArrowStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new DeferredArrowStyle);
    }
}

}  // namespace corvell::ui
