#include "tests/support/windowtest.h"

#include <QApplication>
#include <QTest>

#include "shell/ui/look.h"

namespace corvell::test {

LocalTime testMoment() {
    return LocalTime{2026, 3, 4, 9, 5, 7};
}

WindowTest::WindowTest()
    : settings(settingsFolder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat),
      program(
          dialogs, settings, [this] { return now; }, [this] { ++quitCalls; }) {
    ui::installLook();
}

QWidget& WindowTest::open(WindowId id) {
    windows.show(id);
    QWidget* w = windows.window(id);
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w)) {
        qWarning("window did not become active");
    }
    return *w;
}

QWidget* control(QWidget& window, ControlName name) {
    QWidget* w = window.findChild<QWidget*>(qtName(name));
    if (w == nullptr) {
        qFatal("no control named %s", qPrintable(qtName(name)));
    }
    return w;
}

QAction* command(QWidget& window, ControlName name) {
    auto* action = window.findChild<QAction*>(qtName(name));
    if (action == nullptr) {
        qFatal("no menu command %s", qPrintable(qtName(name)));
    }
    return action;
}

QLineEdit* lineEdit(QWidget& window, ControlName name) {
    auto* w = qobject_cast<QLineEdit*>(control(window, name));
    if (w == nullptr) {
        qFatal("%s is not a single-line field", qPrintable(qtName(name)));
    }
    return w;
}

QPushButton* button(QWidget& window, ControlName name) {
    auto* w = qobject_cast<QPushButton*>(control(window, name));
    if (w == nullptr) {
        qFatal("%s is not a button", qPrintable(qtName(name)));
    }
    return w;
}

void type(QWidget& window, ControlName field, const QString& text) {
    QWidget* w = control(window, field);
    w->setFocus(Qt::MouseFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(line, Qt::Key_Delete);
        } else {
            QTest::keyClicks(line, text);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        box->selectAll();
        box->insertPlainText(text);
    }
}

void typeAndLeave(QWidget& window, ControlName field, const QString& text, ControlName to) {
    type(window, field, text);
    control(window, to)->setFocus(Qt::OtherFocusReason);
}

void click(QWidget& window, ControlName name) {
    QTest::mouseClick(button(window, name), Qt::LeftButton);
}

void pressEnter(QWidget& window, ControlName field) {
    QTest::keyClick(lineEdit(window, field), Qt::Key_Return);
}

void doubleClickLine(QWidget& window, ControlName list, int row) {
    auto* w = qobject_cast<QListWidget*>(control(window, list));
    if (w == nullptr) {
        qFatal("%s is not a list", qPrintable(qtName(list)));
    }
    QPoint where(5, 5);
    if (row >= 0 && row < w->count()) {
        where = w->visualItemRect(w->item(row)).center();
    } else {
        where = QPoint(5, w->viewport()->height() - 3);
    }
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, where);
}

QString text(QWidget& window, ControlName name) {
    QWidget* w = control(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        return line->text();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        return box->toPlainText();
    }
    qFatal("%s holds no text", qPrintable(qtName(name)));
}

QStringList texts(QWidget& window, std::span<const ControlName> names) {
    QStringList all;
    for (ControlName name : names) {
        all << text(window, name);
    }
    return all;
}

QStringList texts(QWidget& window, std::initializer_list<ControlName> names) {
    return texts(window, std::span<const ControlName>(names.begin(), names.size()));
}

QStringList filled(QWidget& window, std::initializer_list<ControlName> names) {
    QStringList found;
    for (ControlName name : names) {
        if (!text(window, name).isEmpty()) {
            found << qtName(name);
        }
    }
    return found;
}

void typeAll(QWidget& window, std::initializer_list<ControlName> fields, const QStringList& typed,
             std::optional<ControlName> leaveTo) {
    if (std::ssize(fields) != typed.size()) {
        qFatal("%d fields but %d texts to type", int(fields.size()), int(typed.size()));
    }
    auto text = typed.begin();
    for (ControlName field : fields) {
        if (leaveTo) {
            typeAndLeave(window, field, *text++, *leaveTo);
        } else {
            type(window, field, *text++);
        }
    }
}

QStringList listLines(QWidget& window, ControlName name) {
    auto* w = qobject_cast<QListWidget*>(control(window, name));
    QStringList lines;
    for (int i = 0; w != nullptr && i < w->count(); ++i) {
        lines << w->item(i)->text();
    }
    return lines;
}

QWidget* focused() {
    return QApplication::focusWidget();
}

}  // namespace corvell::test
