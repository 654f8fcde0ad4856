#include "shell/ui/formlayout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>

#include "shell/ui/look.h"

namespace corvell::ui {
namespace {

QString qs(const char* s) {
    return s == nullptr ? QString() : QString::fromUtf8(s);
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString qs(ControlName name) {
    return qs(name.name());
}

// The substitute fonts run a little wider than the ones the layouts were
// drawn for: a caption that would be cut off is set a little smaller instead.
QFont fitted(QFont font, const QString& text, int width) {
    while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > width) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

QWidget* create(QWidget& window, WindowId id, const ControlSpec& entry) {
    switch (entry.kind) {
        case ControlKind::Field: {
            auto* field = new QLineEdit(&window);
            field->setFont(fieldFont());
            return field;
        }
        case ControlKind::TextBox: {
            auto* box = new QPlainTextEdit(&window);
            box->setFont(fieldFont());
            box->setTabChangesFocus(true);
            return box;
        }
        case ControlKind::Label:
        case ControlKind::CaptionLabel: {
            auto* label = new QLabel(qs(entry.caption), &window);
            const bool caption = entry.kind == ControlKind::CaptionLabel;
            label->setFont(fitted(caption ? captionLabelFont() : labelFont(), label->text(),
                                  pixels(entry.width)));
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
            label->setPalette(palette);
            return label;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(qs(entry.caption), &window);
            button->setFont(labelFont());
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::NavButton: {
            auto* button = new QPushButton(qs(controlCaption(id, entry)), &window);
            // Close stands out from the row in the bold label font.
            button->setFont(entry.name == nav::cmdQuit ? labelFont() : defaultFont());
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(&window);
            list->setFont(panelFont());
            // Every line has the same height in the fixed-pitch panel font, so
            // the list need not measure each one again after every change.
            list->setUniformItemSizes(true);
            // A list has no caption of its own on the window: the table's
            // caption is what a screen reader calls it.
            if (entry.caption != nullptr) {
                list->setAccessibleName(qs(entry.caption));
            }
            return list;
        }
    }
    return nullptr;
}

bool isTextField(const ControlSpec& entry) {
    return entry.kind == ControlKind::Field || entry.kind == ControlKind::TextBox;
}

// Each field is announced by the caption of its label, as screen readers
// expect; the label becomes the field's buddy.
void nameFieldsByTheirLabels(QWidget& window, const WindowLayout& layout) {
    for (const ControlSpec& field : layout.controls) {
        if (!isTextField(field)) {
            continue;
        }
        const ControlSpec* best = labelOf(layout, field);
        if (best == nullptr) {
            continue;
        }
        auto* label = window.findChild<QLabel*>(qs(best->name), Qt::FindDirectChildrenOnly);
        auto* widget = window.findChild<QWidget*>(qs(field.name), Qt::FindDirectChildrenOnly);
        label->setBuddy(widget);
        widget->setAccessibleName(label->text());
    }
}

}  // namespace

QWidget& clientArea(QWidget& window) {
    if (auto* frame = qobject_cast<QMainWindow*>(&window)) {
        if (QWidget* client = frame->centralWidget()) {
            return *client;
        }
    }
    return window;
}

void setUpWindow(QWidget& window, const WindowLayout& layout) {
    const WindowId id = layout.id;
    const std::string_view title = windowTitle(id);
    window.setObjectName(QString::fromUtf8(windowClassName(id).data(),
                                           static_cast<qsizetype>(windowClassName(id).size())));
    window.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    QWidget& client = clientArea(window);
    client.setFixedSize(pixels(layout.widthTwips), pixels(layout.heightTwips));
    if (&client != &window) {
        // The window takes the client area's size and its menu bar's height.
        window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    paintBackground(window, windowGrey());
}

void buildControls(QWidget& window, const WindowLayout& layout) {
    const WindowId id = layout.id;
    const std::span<const ControlSpec> table = layout.controls;
    QWidget& client = clientArea(window);
    QWidget* previous = nullptr;
    for (const ControlSpec& entry : table) {
        QWidget* widget = create(client, id, entry);
        widget->setObjectName(qs(entry.name));
        if (const std::string_view tip = controlToolTip(entry); !tip.empty()) {
            widget->setToolTip(qs(tip));
        }
        widget->setGeometry(pixels(entry.left), pixels(entry.top), pixels(entry.width),
                            pixels(entry.height));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setAccessibleName(button->text());
        }
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    nameFieldsByTheirLabels(client, layout);
}

}  // namespace corvell::ui
