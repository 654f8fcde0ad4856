#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include "interest/calculationformcontrols.h"
#include "shell/beginformcontrols.h"
#include "shell/navigation.h"
#include "shell/ui/helpmenu.h"
#include "shell/ui/look.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"
#include "tests/support/workedexample.h"

using namespace corvell;
using namespace corvell::test;

Q_DECLARE_METATYPE(corvell::WindowId)

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct MenuEntry {
    ControlName control;
    const char* caption;
    const char* toolTip;
    WindowId target;
};

const MenuEntry kMenu[] = {
    {beginform::cmdCompensationAndInterest, "Compensation and Interest",
     "Calculate days between dates, total compensation and interest", WindowId::CalculationForm},
    {beginform::cmdPresentValue, "Present Value",
     "Calculate present value of a sum of money paid into the future", WindowId::frmPresentValue},
    {beginform::cmdSocialSecurity, "Social Security", "Calculate social security offset",
     WindowId::frmSocialSecurity},
    {beginform::cmdOffset, "Lump Sum Offset", "Calculate offset for severence or other lump  sum",
     WindowId::frmOffset},
    {beginform::Command1, "Commutation Computing", "Calculate commutation from total agreed amount",
     WindowId::frmCommutation},
    {beginform::Command2, "Subrogation", "Calculate subrogation distribution",
     WindowId::frmSubrogation},
    {beginform::cmdPension, "Pension", "Calculate pension offset", WindowId::FrmPension},
};

// Keys a field takes for itself on X11 desktops beyond those of every
// desktop (which the fields themselves tell): to the end of the line, delete,
// delete to the end, delete the line, redo, deselect.
const QKeySequence kX11FieldKeys[] = {
    QKeySequence(Qt::CTRL | Qt::Key_E),
    QKeySequence(Qt::CTRL | Qt::Key_D),
    QKeySequence(Qt::CTRL | Qt::Key_K),
    QKeySequence(Qt::CTRL | Qt::Key_U),
    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
};

// Whether the control would take the key for its own editing.
bool takesKey(QWidget& control, const QKeySequence& key) {
    QKeyEvent override(QEvent::ShortcutOverride, key[0].key(), key[0].keyboardModifiers());
    override.setAccepted(false);
    QApplication::sendEvent(&control, &override);
    return override.isAccepted();
}

void press(const QKeySequence& key) {
    QTest::keyClick(focused(), key[0].key(), key[0].keyboardModifiers());
}

const WindowId kWindows[] = {WindowId::BeginForm,       WindowId::CalculationForm,
                             WindowId::frmPresentValue, WindowId::frmSocialSecurity,
                             WindowId::FrmPension,      WindowId::frmOffset,
                             WindowId::frmCommutation,  WindowId::frmSubrogation};

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsOnTheMenuAlone() {
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QCOMPARE(menu.windowTitle(), QString("Corvell's Calculator - Base Page"));
        for (WindowId id : kCalculators) {
            QVERIFY(t.windows.window(id) == nullptr);
        }
    }

    void menuLooksAsDesigned() {
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QCOMPARE(menu.palette().color(QPalette::Window), QColor(192, 192, 192));
        QWidget* previous = nullptr;
        for (const MenuEntry& entry : kMenu) {
            QPushButton* b = button(menu, entry.control);
            QCOMPARE(b->text(), QString(entry.caption));
            QCOMPARE(b->toolTip(), QString(entry.toolTip));
            QCOMPARE(b->font().family(), ui::standInFamily("MS Sans Serif"));
            QCOMPARE(b->font().pointSizeF(), 8.25);
            QVERIFY(b->font().bold());
            if (previous != nullptr) {
                QCOMPARE(previous->nextInFocusChain(), static_cast<QWidget*>(b));
            }
            previous = b;
        }
        QCOMPARE(previous->nextInFocusChain(), control(menu, beginform::cmdExit));
        QCOMPARE(button(menu, beginform::cmdExit)->text(), QString("Close"));
        auto* title = qobject_cast<QLabel*>(control(menu, beginform::Label1));
        QCOMPARE(title->text(), QString("Workers' Compensation Calculator"));
        QCOMPARE(title->font().family(), ui::standInFamily("Times New Roman"));
        QCOMPARE(title->font().pointSizeF(), 20.25);
        auto* slogan = qobject_cast<QLabel*>(control(menu, beginform::Text1));
        QCOMPARE(slogan->text(), QString("\"Tools for the Workers' Compensation Professional\""));
        QVERIFY(slogan->font().italic() && slogan->font().bold());
        auto* banner = qobject_cast<QLabel*>(control(menu, beginform::Text2));
        QCOMPARE(banner->text(), QString("CORVELL'S"));
        QCOMPARE(banner->font().family(), ui::standInFamily("Arial"));
        QCOMPARE(banner->font().pointSizeF(), 18.0);
    }

    void menuOpensEachCalculatorOnce_data() {
        QTest::addColumn<int>("entry");
        for (int i = 0; i < 7; ++i) {
            row(qPrintable(qtName(kMenu[i].control)), i);
        }
    }
    void menuOpensEachCalculatorOnce() {
        QFETCH(int, entry);
        const MenuEntry& e = kMenu[entry];
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        click(menu, e.control);
        QWidget* calculator = t.windows.window(e.target);
        QVERIFY(calculator != nullptr);
        QVERIFY(calculator->isVisible());
        QVERIFY(menu.isVisible());
        QCOMPARE(calculator->windowTitle(), qs(windowTitle(e.target)));
        QCOMPARE(calculator->objectName(), qs(windowClassName(e.target)));
        QVERIFY(calculator->windowTitle().startsWith("CORVELL'S"));
        // Pressing the button again brings the same window forward.
        click(menu, e.control);
        QCOMPARE(t.windows.window(e.target), calculator);
        QVERIFY(calculator->isVisible());
    }

    // Every navigation button of every calculator: the target is shown, then
    // the calculator that holds the button is hidden.
    void navigationRows_data() {
        columns<WindowId, ControlName, QString, WindowId>({"from", "control", "caption", "to"});
        for (WindowId from : kCalculators) {
            for (const NavigationButton& b : navigationRow(from)) {
                const QByteArray name =
                    (qs(windowClassName(from)) + "." + qtName(b.control)).toUtf8();
                row(name.constData(), from, b.control, qs(b.caption), b.target);
            }
        }
    }
    void navigationRows() {
        QFETCH(WindowId, from);
        QFETCH(ControlName, control);
        QFETCH(WindowId, to);
        WindowTest t;
        t.open(WindowId::BeginForm);
        QWidget& window = t.open(from);
        QPushButton* b = button(window, control);
        QTEST(b->text(), "caption");
        if (control == nav::cmdQuit) {
            QCOMPARE(b->toolTip(), QString("Return to main menu"));
        }
        click(window, control);
        QVERIFY(t.windows.window(to) != nullptr);
        QVERIFY(t.windows.window(to)->isVisible());
        QVERIFY(!window.isVisible());
        QCOMPARE(t.windows.window(from), &window);  // hidden, not destroyed
    }

    void eachRowNamesTheOtherSix() {
        for (WindowId from : kCalculators) {
            const auto row = navigationRow(from);
            QCOMPARE(row.size(), std::size_t{7});
            QCOMPARE(row.back().control, nav::cmdQuit);
            QCOMPARE(row.back().target, WindowId::BeginForm);
            for (WindowId target : kCalculators) {
                int count = 0;
                for (const NavigationButton& b : row) {
                    count += b.target == target ? 1 : 0;
                }
                QCOMPARE(count, target == from ? 0 : 1);
            }
        }
        // The interest button of the commutation window has its own name.
        QCOMPARE(navigationRow(WindowId::frmCommutation).front().control, nav::cmdCommutation);
        QCOMPARE(navigationRow(WindowId::frmCommutation).front().target, WindowId::CalculationForm);
    }

    void closeControlHidesACalculator() {
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QWidget& pv = t.open(WindowId::frmPresentValue);
        QVERIFY(pv.close());
        QVERIFY(!pv.isVisible());
        QVERIFY(menu.isVisible());
        QCOMPARE(t.quitCalls, 0);
        click(menu, beginform::cmdPresentValue);
        QCOMPARE(t.windows.window(WindowId::frmPresentValue), &pv);
        QVERIFY(pv.isVisible());
    }

    void menuCloseEndsTheProgram() {
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        click(menu, beginform::cmdPension);
        QWidget& pension = *t.windows.window(WindowId::FrmPension);
        click(pension, nav::cmdPresentValue);  // pension now hidden, present value open
        click(menu, beginform::cmdExit);
        QCOMPARE(t.quitCalls, 1);
        QVERIFY(!menu.isVisible());
        QVERIFY(!t.windows.window(WindowId::frmPresentValue)->isVisible());
        QVERIFY(!pension.isVisible());
    }

    void menuCloseControlEndsTheProgram() {
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        click(menu, beginform::Command2);
        menu.close();
        QCOMPARE(t.quitCalls, 1);
        QVERIFY(!t.windows.window(WindowId::frmSubrogation)->isVisible());
    }

    void calculatorsLookAlike() {
        WindowTest t;
        for (WindowId id : kCalculators) {
            QWidget& w = t.open(id);
            if (id != WindowId::frmOffset) {
                QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 192));
            }
            for (const NavigationButton& b : navigationRow(id)) {
                QVERIFY(control(w, b.control)->isEnabled());
            }
        }
    }

    // Every menu key of every window is listed under Help > Keyboard
    // Shortcuts, and is one that no field, caption box or ledger panel takes
    // for its own editing. Ctrl+Z alone is shared: a field undoes its own
    // typing first.
    void menuKeysAreNoFieldsOwn() {
        WindowTest t;
        const QString listed = ui::keyboardShortcutsText();
        for (WindowId id : kWindows) {
            QWidget& w = t.open(id);
            for (const QAction* a : w.findChildren<QAction*>()) {
                const QKeySequence key = a->shortcut();
                if (key.isEmpty()) {
                    continue;
                }
                const QString what = a->objectName() + " " + key.toString();
                QVERIFY2(listed.contains("<b>" + key.toString() + "</b>"), qPrintable(what));
                if (key == QKeySequence(QKeySequence::Undo)) {
                    continue;
                }
                QVERIFY2(std::find(std::begin(kX11FieldKeys), std::end(kX11FieldKeys), key) ==
                             std::end(kX11FieldKeys),
                         qPrintable(what));
                for (QWidget* c : ui::clientArea(w).findChildren<QWidget*>()) {
                    if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c) ||
                        qobject_cast<QListWidget*>(c)) {
                        QVERIFY2(!takesKey(*c, key), qPrintable(what + " in " + c->objectName()));
                    }
                }
            }
        }
    }

    // The keys do what the buttons and the main menu's Close do, from
    // wherever the focus is.
    void keysDoWhatTheButtonsDo() {
        using namespace calculationform;
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QWidget& w = t.open(WindowId::CalculationForm);
        saveWorkedExample(w, "Smith v. Acme Mills", false);
        click(w, cmdClear);
        // As a click on Calculate would, the key first leaves the field: a
        // date that does not read stops it there, one that does is written out.
        typeAll(w, {txtBeginningDate, txtRate, txtEndingDate}, {"01/01/2004", "500", "13/45/04"});
        press(QKeySequence(Qt::CTRL | Qt::Key_Return));
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(text(w, txtTotalComp), QString());
        QCOMPARE(focused(), control(w, txtEndingDate));
        type(w, txtEndingDate, "123104");
        press(QKeySequence(Qt::CTRL | Qt::Key_Return));
        QCOMPARE(text(w, txtEndingDate), QString("12/31/2004"));
        QCOMPARE(text(w, txtTotalComp), QString("26,142.86"));
        press(QKeySequence(Qt::CTRL | Qt::Key_L));
        QCOMPARE(listLines(w, List1).size(), 3);
        press(QKeySequence(Qt::CTRL | Qt::Key_T));
        QCOMPARE(text(w, txtBeginningDate), QString("01/01/2005"));
        press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
        QVERIFY(listLines(w, List1).isEmpty());
        press(QKeySequence(Qt::CTRL | Qt::Key_W));
        QVERIFY(!w.isVisible());
        QVERIFY(menu.isVisible());

        // Quit asks about the claim's unsaved changes first.
        QWidget& pv = t.open(WindowId::frmPresentValue);
        press(QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(t.dialogs.questions.size(), std::size_t{1});
        QCOMPARE(t.quitCalls, 0);
        t.dialogs.answers.push_back(ui::SaveChanges::Discard);
        press(QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(t.quitCalls, 1);
        QVERIFY(!pv.isVisible() && !menu.isVisible());
    }

    // A window opens where it was last left, in the next run too; a place
    // off every screen comes back onto one.
    void windowsOpenWhereTheyWereLeft() {
        WindowTest t;
        QWidget& pv = t.open(WindowId::frmPresentValue);
        pv.move(40, 30);
        click(pv, nav::cmdQuit);
        QWidget& subrogation = t.open(WindowId::frmSubrogation);
        subrogation.move(-5000, 90000);  // on a screen since unplugged
        click(subrogation, nav::cmdQuit);

        app::Program nextRun(
            t.dialogs, t.settings, [] { return testMoment(); }, [] {});
        nextRun.windows.show(WindowId::frmPresentValue);
        QCOMPARE(nextRun.windows.window(WindowId::frmPresentValue)->pos(), QPoint(40, 30));
        nextRun.windows.show(WindowId::frmSubrogation);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(
            screen.contains(nextRun.windows.window(WindowId::frmSubrogation)->geometry().center()));
    }

    void twipsToPixels() {
        QCOMPARE(ui::pixels(15), 1);
        QCOMPARE(ui::pixels(9525), 635);
        QCOMPARE(ui::pixels(195), 13);
        QCOMPARE(ui::pixels(0), 0);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
