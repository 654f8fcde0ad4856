#include "tests/support/windowcheck.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "shell/ui/look.h"
#include "tests/support/pdftext.h"
#include "tests/support/windowtest.h"

namespace corvell::test {
namespace {

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        return button->text();
    }
    return {};
}

void checkFont(QWidget& window, ControlName control, const QString& family, double points) {
    const QString name = qtName(control);
    QWidget* w = test::control(window, control);
    const QFont font = w->font();
    QCOMPARE(font.family(), ui::standInFamily(family));
    QVERIFY2(font.bold(), qPrintable(name));
    auto* label = qobject_cast<QLabel*>(w);
    QFont designed = font;
    designed.setPointSizeF(points);
    if (label != nullptr && QFontMetrics(designed).horizontalAdvance(label->text()) > w->width()) {
        // A caption too wide for its label in the substitute font is set smaller.
        QVERIFY2(font.pointSizeF() < points, qPrintable(name));
        QVERIFY2(QFontMetrics(font).horizontalAdvance(label->text()) <= w->width(),
                 qPrintable(name));
    } else {
        QCOMPARE(font.pointSizeF(), points);
    }
}

qsizetype leadingBlanks(const QString& line) {
    qsizetype blanks = 0;
    while (blanks < line.size() && line.at(blanks) == QChar(' ')) {
        ++blanks;
    }
    return blanks;
}

// The non-empty lines, simplified, each marked with how far it is indented
// beyond the least indented line: "[zone] " for ten or more blanks (a print
// zone), "[indent] " for fewer, nothing for none. A PDF's text keeps indents
// only roughly, and from the leftmost text on the page.
QStringList markedLines(const QStringList& lines) {
    qsizetype least = -1;
    for (const QString& line : lines) {
        if (!line.simplified().isEmpty() && (least < 0 || leadingBlanks(line) < least)) {
            least = leadingBlanks(line);
        }
    }
    QStringList marked;
    for (const QString& line : lines) {
        if (line.simplified().isEmpty()) {
            continue;
        }
        const qsizetype indent = leadingBlanks(line) - least;
        const QString mark = indent >= 10 ? QStringLiteral("[zone] ")
                             : indent > 0 ? QStringLiteral("[indent] ")
                                          : QString();
        marked << mark + line.simplified();
    }
    return marked;
}

}  // namespace

void checkPlaces(QWidget& window, std::span<const Placed> controls) {
    for (const Placed& c : controls) {
        QWidget* w = control(window, c.name);
        const QRect expected(ui::pixels(c.left), ui::pixels(c.top), ui::pixels(c.width),
                             ui::pixels(c.height));
        QRect actual = w->geometry();
        if (c.width == 0) {
            actual.setWidth(0);
        }
        QVERIFY2(actual == expected, qPrintable(qtName(c.name)));
        if (c.caption != nullptr) {
            QCOMPARE(captionOf(w), QString::fromUtf8(c.caption));
        }
        QCOMPARE(w->toolTip(), c.toolTip == nullptr ? QString() : QString::fromUtf8(c.toolTip));
    }
}

void checkTabOrder(QWidget& window, const std::vector<ControlName>& order) {
    QStringList expected;
    for (const ControlName name : order) {
        expected << qtName(name);
    }
    QStringList walked;
    QWidget* first = control(window, order.front());
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &window) {
            walked << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != first && walked.size() <= expected.size());
    QCOMPARE(walked, expected);
}

void checkRefusal(const WindowTest& t, QWidget& window, const QString& message, ControlName field) {
    QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
    QCOMPARE(t.dialogs.messages.front().text, message);
    QCOMPARE(t.dialogs.messages.front().title, ui::applicationTitle());
    QCOMPARE(focused(), control(window, field));
    QCOMPARE(lineEdit(window, field)->selectedText(), text(window, field));
}

const report::Document& printed(WindowTest& t, QWidget& window, ControlName print) {
    click(window, print);
    return t.dialogs.printed.back();
}

void checkFonts(QWidget& window, const std::vector<ControlName>& fields,
                const std::vector<ControlName>& labels, const std::vector<ControlName>& buttons,
                ControlName caseCaptionLabel) {
    for (const ControlName name : fields) {
        checkFont(window, name, QStringLiteral("Times New Roman"), 9.75);
    }
    for (const auto* group : {&labels, &buttons}) {
        for (const ControlName name : *group) {
            checkFont(window, name, QStringLiteral("MS Sans Serif"), 8.25);
        }
    }
    checkFont(window, caseCaptionLabel, QStringLiteral("MS Serif"), 9.75);
}

void checkReport(const report::Document& document, const std::vector<std::string>& expected) {
    // One font throughout: the portrait start sets it, nothing changes it.
    const report::Document portrait = report::portraitReport();
    const auto& start = portrait.statements();
    const auto& statements = document.statements();
    QVERIFY(statements.size() > start.size());
    QVERIFY(std::equal(start.begin(), start.end(), statements.begin()));
    QVERIFY(std::all_of(
        statements.begin() + static_cast<std::ptrdiff_t>(start.size()), statements.end(),
        [](const report::Statement& s) { return std::holds_alternative<report::Print>(s); }));
    QCOMPARE(document.plainLines(), expected);
    QStringList wanted;
    for (const std::string& line : expected) {
        wanted << QString::fromStdString(line);
    }
    QCOMPARE(markedLines(pdfLines(document)), markedLines(wanted));
}

}  // namespace corvell::test
