#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <span>
#include <stdexcept>

#include "shell/datefield.h"
#include "shell/format.h"
#include "shell/refusals.h"
#include "shell/ui/claimcommands.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formlayout.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::test;

namespace {

// The probe window's controls.
constexpr ControlName txtDate{"txtDate"};
constexpr ControlName txtRate{"txtRate"};
constexpr ControlName txtAge{"txtAge"};
constexpr ControlName txtResult{"txtResult"};
constexpr ControlName txtCaseCaption{"txtCaseCaption"};
constexpr ControlName cmdGo{"cmdGo"};
constexpr ControlName cmdPrint{"cmdPrint"};
constexpr ControlName cmdPrintOnce{"cmdPrintOnce"};
constexpr ControlName cmdTitled{"cmdTitled"};
constexpr ControlName cmdOff{"cmdOff"};
constexpr ControlName cmdFill{"cmdFill"};
constexpr ControlName List1{"List1"};

// A small window with one of each kind of handler the calculators use.
class ProbeModel : public FormModel {
public:
    ProbeModel() : FormModel(WindowId::frmPresentValue) {
        addField(txtDate);
        addField(txtRate);
        addField(txtAge);
        addField(txtResult);
        addField(txtCaseCaption);
        addButton(cmdGo);
        addButton(cmdPrint);
        addButton(cmdPrintOnce);
        addButton(cmdTitled);
        addButton(cmdOff, false);
        addButton(cmdFill);
        addList(List1);
        listLines(List1) = {"first", "second", "third"};
        on(txtDate, Event::LostFocus, [this] {
            ++dateLeft;
            field(txtDate) = Format(completeDateDigits(text(txtDate)), "mm/dd/yyyy");
            if (!text(txtDate).empty() && !IsDate(text(txtDate))) {
                return notValidDate(text(txtDate), txtDate);
            }
            return Reaction{};
        });
        on(txtRate, Event::LostFocus, [this] {
            field(txtRate) = Format(text(txtRate), "###0.00");
            return Reaction::focusOn(txtResult, Caret::AtStart);
        });
        on(txtResult, Event::LostFocus, [this] {
            ++resultLeft;
            return Reaction{};
        });
        on(txtAge, Event::Change, [this] {
            ++ageChanges;
            return text(txtAge).empty() ? Reaction::focusOn(txtRate) : Reaction{};
        });
        on(cmdGo, Event::Click, [this] {
            ++goClicks;
            field(txtResult) = "go:" + text(txtDate);
            if (text(txtRate) == "to age") {
                return Reaction::refuse("refused", txtAge);
            }
            return Reaction{};
        });
        on(cmdPrint, Event::Click, [this] { return printJob(true); });
        on(cmdPrintOnce, Event::Click, [this] { return printJob(false); });
        on(cmdTitled, Event::Click, [] { return Reaction::say("Titled", "Calculate"); });
        on(cmdOff, Event::Click, [this] {
            ++goClicks;
            return Reaction{};
        });
        // Rebuilds the list as a ledger's Save does.
        on(cmdFill, Event::Click, [this] {
            std::vector<std::string>& lines = listLines(List1);
            lines.clear();
            for (int i = 0; i < linesToFill; ++i) {
                lines.push_back("line " + std::to_string(i));
            }
            return Reaction{};
        });
        onLine(List1, Event::DblClick, [this](int line) {
            recalled.push_back(line);
            return Reaction{};
        });
    }

    Reaction printJob(bool copies) {
        return Reaction::printing({"Probe", text(txtCaseCaption), copies,
                                   [caption = text(txtCaseCaption)](const LocalTime& at) {
                                       report::Document doc = report::portraitReport();
                                       doc.line(report::dateTimeItems(at));
                                       doc.line({report::text(caption)});
                                       return doc;
                                   }});
    }

    void setLines(std::vector<std::string> lines) { listLines(List1) = std::move(lines); }

    int dateLeft = 0;
    int resultLeft = 0;
    int ageChanges = 0;
    int goClicks = 0;
    int linesToFill = 0;
    std::vector<int> recalled;
};

using K = ui::ControlKind;
constexpr ui::ControlSpec kLayout[] = {
    {K::Field, txtDate, nullptr, nullptr, 120, 120, 1500, 375},
    {K::Field, txtRate, nullptr, nullptr, 1800, 120, 1500, 375},
    {K::Field, txtAge, nullptr, nullptr, 3480, 120, 1500, 375},
    {K::Field, txtResult, nullptr, nullptr, 5160, 120, 1500, 375},
    {K::TextBox, txtCaseCaption, nullptr, nullptr, 120, 720, 4000, 900},
    {K::Button, cmdGo, "Go", nullptr, 120, 1800, 1200, 500},
    {K::Button, cmdPrint, "Print", nullptr, 1440, 1800, 1200, 500},
    {K::Button, cmdPrintOnce, "Once", nullptr, 2760, 1800, 1200, 500},
    {K::Button, cmdTitled, "Titled", nullptr, 4080, 1800, 1200, 500},
    {K::Button, cmdOff, "Off", nullptr, 5400, 1800, 1200, 500},
    {K::Button, cmdFill, "Fill", nullptr, 6600, 1800, 300, 500},
    {K::ListBox, List1, nullptr, nullptr, 120, 2500, 6000, 1500},
};

class ProbeWindow : public QWidget {
public:
    explicit ProbeWindow(const ui::Services& services) : binder_(*this, model, services) {
        const WindowLayout layout{WindowId::frmPresentValue, 7000, 4200, kLayout};
        ui::setUpWindow(*this, layout);
        ui::buildControls(*this, layout);
        binder_.bind(cmdGo);
    }
    ProbeModel model;

private:
    ui::FormBinder binder_;
};

class NoNavigation : public ui::Navigator {
public:
    void show(WindowId) override {}
    void hide(WindowId) override {}
    void endProcess() override {}
};

class NoClaim : public ui::ClaimCommands {
public:
    void newClaim(QWidget&) override {}
    void openClaim(QWidget&) override {}
    void openRecentClaim(QWidget&, const QString&) override {}
    void saveClaim(QWidget&) override {}
    void saveClaimAs(QWidget&) override {}
    QStringList recentClaims() const override { return {}; }
    void attach(ui::FormWindow&) override {}
    void modelChanged() override {}
    bool mayEndProgram(QWidget&) override { return true; }
};

// A window whose Go button sends the focus to `target`.
class FocusModel : public FormModel {
public:
    explicit FocusModel(ControlName target) : FormModel(WindowId::frmPresentValue) {
        addField(txtDate);
        addButton(cmdGo);
        on(cmdGo, Event::Click, [target] { return Reaction::focusOn(target); });
    }
};

constexpr ui::ControlSpec kFocusLayout[] = {
    {K::Field, txtDate, nullptr, nullptr, 120, 120, 1500, 375},
    {K::Button, cmdGo, "Go", nullptr, 120, 720, 1200, 500},
};

struct Probe {
    Probe() : window(ui::Services{dialogs, navigation, fixedClock(testMoment()), claim}) {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    FakeDialogs dialogs;
    NoNavigation navigation;
    NoClaim claim;
    ProbeWindow window;
};

}  // namespace

class TestBinder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Leaving the date field, by Tab or for another control, runs its handler
    // once: the date completed, or refused with the whole text selected.
    void leavingTheDate_data() {
        columns<QString, bool, QString, ControlName, QString>(
            {"typed", "byTab", "shown", "focus", "message"});
        row("for a button", "031504", false, "03/15/2004", cmdTitled, "");
        row("by Tab", "01152004", true, "01/15/2004", txtRate, "");
        row("bad, for a button", "12345", false, "12/34/45", txtDate,
            "12/34/45 is not a valid date.");
        row("bad, by Tab", "31504", true, "31/50/04", txtDate, "31/50/04 is not a valid date.");
    }
    void leavingTheDate() {
        QFETCH(QString, typed);
        QFETCH(bool, byTab);
        QFETCH(QString, shown);
        QFETCH(ControlName, focus);
        QFETCH(QString, message);
        Probe p;
        if (byTab) {
            type(p.window, txtDate, typed);
            QTest::keyClick(focused(), Qt::Key_Tab);
        } else {
            typeAndLeave(p.window, txtDate, typed, cmdTitled);
        }
        QCOMPARE(text(p.window, txtDate), shown);
        QCOMPARE(p.window.model.dateLeft, 1);
        QCOMPARE(focused(), control(p.window, focus));
        QCOMPARE(p.dialogs.messages.size(), message.isEmpty() ? std::size_t{0} : std::size_t{1});
        if (!message.isEmpty()) {
            QCOMPARE(p.dialogs.messages[0].text, message);
            QCOMPARE(p.dialogs.messages[0].title, QString("Corvell's Calculator"));
            QCOMPARE(lineEdit(p.window, txtDate)->selectedText(), shown);
        }
    }

    void refusalOnLeavingStopsTheClick() {
        Probe p;
        type(p.window, txtDate, "12345");
        click(p.window, cmdGo);
        QCOMPARE(p.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(p.window.model.goClicks, 0);
        QCOMPARE(focused(), control(p.window, txtDate));
        // The next click goes through once the date is right.
        type(p.window, txtDate, "1/5/04");
        click(p.window, cmdGo);
        QCOMPARE(p.window.model.goClicks, 1);
    }

    void clickRunsAfterTheLeaveHandler() {
        Probe p;
        type(p.window, txtDate, "01152004");
        click(p.window, cmdGo);
        QCOMPARE(text(p.window, txtResult), QString("go:01/15/2004"));
    }

    void enterPressesTheDefaultButtonWithoutLeaving() {
        Probe p;
        type(p.window, txtDate, "01152004");
        pressEnter(p.window, txtDate);
        QCOMPARE(p.window.model.goClicks, 1);
        QCOMPARE(p.window.model.dateLeft, 0);
        QCOMPARE(text(p.window, txtResult), QString("go:01152004"));
        QCOMPARE(focused(), control(p.window, txtDate));
        QVERIFY(button(p.window, cmdGo)->isDefault());
    }

    // Leaving a field runs its handler: txtRate's jumps on to txtResult,
    // txtDate's refuses a bad date. The jump serves the operator who tabs
    // through the fields; one who clicks another control goes there. A
    // refusal brings the focus back either way, the text selected so that the
    // next key replaces it, also when the window comes back from a real
    // message box only after the box returned.
    void leavingAField_data() {
        QTest::addColumn<ControlName>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key");  // Qt::Key_unknown: a click on `clicked`
        QTest::addColumn<ControlName>("clicked");
        QTest::addColumn<QString>("shown");  // the field's text once left
        QTest::addColumn<ControlName>("focus");
        QTest::addColumn<QString>("selected");  // in the field with the focus
        QTest::addColumn<QString>("message");   // empty: none
        QTest::addColumn<bool>("realBox");      // the window given back after the box
        const QString bad = "12/34/45 is not a valid date.";
        row("Tab: the handler jumps on", txtRate, "500", Qt::Key_Tab, txtRate, "500.00", txtResult,
            "", "", false);
        row("Backtab: the handler jumps on", txtRate, "500", Qt::Key_Backtab, txtRate, "500.00",
            txtResult, "", "", false);
        row("click in a field: it gets the focus", txtRate, "500", Qt::Key_unknown, txtAge,
            "500.00", txtAge, "", "", false);
        row("click on a button: it is pressed", txtRate, "500", Qt::Key_unknown, cmdTitled,
            "500.00", cmdTitled, "", "Titled", false);
        row("bad date, Tab: refused", txtDate, "12345", Qt::Key_Tab, txtDate, "12/34/45", txtDate,
            "12/34/45", bad, false);
        row("bad date, Tab, a real box: refused", txtDate, "12345", Qt::Key_Tab, txtDate,
            "12/34/45", txtDate, "12/34/45", bad, true);
        row("bad date, click in a field: refused", txtDate, "12345", Qt::Key_unknown, txtAge,
            "12/34/45", txtDate, "12/34/45", bad, false);
        row("bad date, click on a button, a real box: refused", txtDate, "12345", Qt::Key_unknown,
            cmdTitled, "12/34/45", txtDate, "12/34/45", bad, true);
    }
    void leavingAField() {
        QFETCH(ControlName, field);
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        QFETCH(ControlName, clicked);
        QFETCH(ControlName, focus);
        QFETCH(QString, selected);
        QFETCH(QString, message);
        QFETCH(bool, realBox);
        Probe p;
        p.dialogs.messageLeavesNoActiveWindow = realBox;
        type(p.window, field, typed);
        if (key == Qt::Key_unknown) {
            QTest::mouseClick(control(p.window, clicked), Qt::LeftButton);
        } else {
            QTest::keyClick(focused(), key);
        }
        if (realBox) {
            QApplication::setActiveWindow(&p.window);
        }
        QTEST(text(p.window, field), "shown");
        QCOMPARE(focused(), control(p.window, focus));
        if (auto* line = qobject_cast<QLineEdit*>(focused())) {
            QCOMPARE(line->selectedText(), selected);
            QCOMPARE(line->cursorPosition(), focus == txtResult ? 0 : line->text().size());
        }
        QCOMPARE(p.dialogs.messages.size(), message.isEmpty() ? std::size_t{0} : std::size_t{1});
        if (!message.isEmpty()) {
            QCOMPARE(p.dialogs.messages[0].text, message);
        }
        // txtResult, reached by the jump, was never left.
        QCOMPARE(p.window.model.resultLeft, 0);
        if (!selected.isEmpty()) {
            QTest::keyClick(focused(), Qt::Key_9);
            QCOMPARE(text(p.window, field), QString("9"));
        }
    }

    // The focus taken by another window, a menu opened with the mouse or
    // from the keyboard (Alt+F) does not leave the field: its handler waits
    // until the operator really leaves it.
    void focusTakenAwayIsNotLeaving_data() {
        QTest::addColumn<Qt::FocusReason>("reason");
        row("another window", Qt::ActiveWindowFocusReason);
        row("a menu's popup", Qt::PopupFocusReason);
        row("the menu bar", Qt::MenuBarFocusReason);
    }
    void focusTakenAwayIsNotLeaving() {
        QFETCH(Qt::FocusReason, reason);
        Probe p;
        type(p.window, txtRate, "500");
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(control(p.window, txtRate), &out);
        QCOMPARE(text(p.window, txtRate), QString("500"));
        QTest::keyClick(control(p.window, txtRate), Qt::Key_Tab);
        QCOMPARE(text(p.window, txtRate), QString("500.00"));
    }

    // Enter calculates without leaving the field, and when the calculation
    // sends the focus elsewhere, the field's leave handler does not run
    // either: the operator never left it.
    void aRefusalsFocusMoveIsNotLeaving() {
        Probe p;
        type(p.window, txtRate, "to age");
        pressEnter(p.window, txtRate);
        QCOMPARE(p.dialogs.lastMessage(), QString("refused"));
        QCOMPARE(focused(), control(p.window, txtAge));
        QCOMPARE(lineEdit(p.window, txtAge)->selectedText(), QString());
        // Leaving a field by Tab is the operator's move again.
        type(p.window, txtDate, "031504");
        const int before = p.window.model.dateLeft;
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(p.window.model.dateLeft, before + 1);
        QCOMPARE(text(p.window, txtDate), QString("03/15/2004"));
    }

    // Qt's buttons take Enter only in dialogs; here Enter presses any
    // focused button, once however long it is held.
    void keysPressAFocusedButton_data() {
        // repeats: auto-repeated presses of a key held down
        columns<ControlName, Qt::Key, Qt::KeyboardModifiers, int, int, int>(
            {"buttonName", "key", "modifiers", "repeats", "goClicks", "messages"});
        const Qt::KeyboardModifiers none;
        row("Return", cmdTitled, Qt::Key_Return, none, 0, 0, 1);
        row("keypad Enter", cmdTitled, Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier), 0,
            0, 1);
        row("Space", cmdTitled, Qt::Key_Space, none, 0, 0, 1);
        row("Return held down", cmdTitled, Qt::Key_Return, none, 3, 0, 1);
        row("Return on the default button", cmdGo, Qt::Key_Return, none, 0, 1, 0);
    }
    void keysPressAFocusedButton() {
        QFETCH(ControlName, buttonName);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, repeats);
        Probe p;
        QPushButton* b = button(p.window, buttonName);
        b->setFocus(Qt::TabFocusReason);
        QTest::keyPress(b, key, modifiers);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent again(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(b, &again);
        }
        QTest::keyRelease(b, key, modifiers);
        QTEST(p.window.model.goClicks, "goClicks");
        QTEST(static_cast<int>(p.dialogs.messages.size()), "messages");
        QCOMPARE(focused(), b);
    }

    // Enter on the list recalls its selected line, as a double click does; a
    // line merely current (the list tabbed into) is no choice.
    void enterRecallsTheSelectedLine_data() {
        // row: -1 when no line is chosen
        columns<int, Qt::Key, Qt::KeyboardModifiers, int>({"row", "key", "modifiers", "recalled"});
        row("Return on the second line", 1, Qt::Key_Return, Qt::KeyboardModifiers(), 1);
        row("keypad Enter on the third line", 2, Qt::Key_Enter,
            Qt::KeyboardModifiers(Qt::KeypadModifier), 2);
        row("Return with no line selected", -1, Qt::Key_Return, Qt::KeyboardModifiers(), -1);
    }
    void enterRecallsTheSelectedLine() {
        QFETCH(int, row);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, recalled);
        Probe p;
        auto* list = qobject_cast<QListWidget*>(control(p.window, List1));
        list->setFocus(Qt::TabFocusReason);
        if (row >= 0) {
            list->setCurrentRow(row);
        }
        QTest::keyClick(list, key, modifiers);
        QCOMPARE(p.window.model.recalled, std::vector<int>({recalled}));
        QCOMPARE(focused(), list);
    }

    // A text the program writes shows its beginning, however narrow the
    // field, unless the field keeps the focus.
    void programWrittenTextShowsItsStart_data() {
        // rate: put in txtRate first, as it stands
        columns<QString, ControlName, QString, Qt::Key, ControlName, QString>(
            {"rate", "field", "typed", "key", "written", "shown"});
        row("beside the focused field", "", txtDate, "01152004", Qt::Key_Return, txtResult,
            "go:01152004");
        row("in the field left", "", txtRate, "1234567", Qt::Key_Tab, txtRate, "1234567.00");
        row("in the focused field, then focus elsewhere", "to age", txtResult, "x", Qt::Key_Return,
            txtResult, "go:");
    }
    void programWrittenTextShowsItsStart() {
        QFETCH(QString, rate);
        QFETCH(ControlName, field);
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        QFETCH(ControlName, written);
        Probe p;
        lineEdit(p.window, txtRate)->setText(rate);
        type(p.window, field, typed);
        QTest::keyClick(focused(), key);
        QTEST(text(p.window, written), "shown");
        QVERIFY(focused() != control(p.window, written));
        QCOMPARE(lineEdit(p.window, written)->cursorPosition(), 0);
    }

    // A list whose lines a handler rebuilds scrolls to its end (the ledger's
    // totals, with the entry just saved above them); one left as it was stays
    // where the operator scrolled it.
    void rebuiltListShowsItsEnd_data() {
        columns<int, int, bool>({"first", "second", "atEnd"});
        row("a line more", 30, 31, true);
        row("the same lines", 30, 30, false);
        row("fewer lines", 30, 20, true);
    }
    void rebuiltListShowsItsEnd() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, atEnd);
        Probe p;
        auto* list = qobject_cast<QListWidget*>(control(p.window, List1));
        QScrollBar* bar = list->verticalScrollBar();
        p.window.model.linesToFill = first;
        click(p.window, cmdFill);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);  // the operator scrolls back to the first line
        p.window.model.linesToFill = second;
        click(p.window, cmdFill);
        QCOMPARE(bar->value(), atEnd ? bar->maximum() : 0);
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        QCOMPARE(list->viewport()->rect().contains(last), atEnd);
    }

    void typingRaisesChange() {
        Probe p;
        type(p.window, txtAge, "45");
        QCOMPARE(p.window.model.ageChanges, 2);  // one per key
        QTest::keyClick(lineEdit(p.window, txtAge), Qt::Key_Backspace);
        QTest::keyClick(lineEdit(p.window, txtAge), Qt::Key_Backspace);
        QCOMPARE(p.window.model.ageChanges, 4);
        QCOMPARE(focused(), control(p.window, txtRate));
    }

    void messageTitles() {
        Probe p;
        click(p.window, cmdTitled);
        QCOMPARE(p.dialogs.messages.back().title, QString("Calculate"));
        QCOMPARE(p.dialogs.messages.back().text, QString("Titled"));
    }

    void disabledButtonsStayDisabled() {
        Probe p;
        QVERIFY(!button(p.window, cmdOff)->isEnabled());
        click(p.window, cmdOff);
        QCOMPARE(p.window.model.goClicks, 0);
    }

    void doubleClickPassesTheSelectedLine() {
        Probe p;
        QCOMPARE(listLines(p.window, List1), QStringList({"first", "second", "third"}));
        doubleClickLine(p.window, List1, 1);
        doubleClickLine(p.window, List1, 2);
        QCOMPARE(p.window.model.recalled, std::vector<int>({1, 2}));
    }

    // The panel's lines share one height, but a long line further down still
    // scrolls into view in full.
    void longLinesScrollIntoView() {
        Probe p;
        auto* list = qobject_cast<QListWidget*>(control(p.window, List1));
        QVERIFY(list->uniformItemSizes());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        p.window.model.setLines({"short", "", std::string(400, 'x')});
        click(p.window, cmdTitled);  // any handler pushes the model's lines
        QCoreApplication::processEvents();
        QCOMPARE(listLines(p.window, List1).back(), QString(400, 'x'));
        const int hidden =
            list->fontMetrics().horizontalAdvance(QString(400, 'x')) - list->viewport()->width();
        QVERIFY(list->horizontalScrollBar()->maximum() >= hidden);
        const int needed = list->fontMetrics().horizontalAdvance(QString(400, 'x'));
        QVERIFY(list->visualItemRect(list->item(2)).width() >= needed);
    }

    void printing_data() {
        // copies: -1 when the dialog is cancelled
        // failOn: -1 when the printer works
        columns<ControlName, int, int, int, bool>(
            {"buttonName", "copies", "failOn", "documents", "errorShown"});
        row("ledger three copies", cmdPrint, 3, -1, 3, false);
        row("report prints once", cmdPrintOnce, 3, -1, 1, false);
        row("cancel prints nothing", cmdPrint, -1, -1, 0, false);
        row("failure stops the copies", cmdPrint, 3, 1, 1, true);
        row("failure on the only copy", cmdPrintOnce, 1, 0, 0, true);
    }
    void printing() {
        QFETCH(ControlName, buttonName);
        QFETCH(int, copies);
        QFETCH(int, failOn);
        QFETCH(bool, errorShown);
        Probe p;
        type(p.window, txtCaseCaption, "Smith v. Acme");
        typeAndLeave(p.window, txtDate, "1/5/04", cmdTitled);
        p.dialogs.copies = copies < 0 ? std::nullopt : std::optional<int>(copies);
        if (failOn >= 0) {
            p.dialogs.failOnDocument = failOn;
        }
        click(p.window, buttonName);
        QCOMPARE(p.dialogs.printerDialogs, 1);
        QTEST(static_cast<int>(p.dialogs.printed.size()), "documents");
        QCOMPARE(p.dialogs.messages.size(), errorShown ? std::size_t{1} : std::size_t{0});
        if (errorShown) {
            QCOMPARE(p.dialogs.messages[0].text, QString("Printer error has occurred"));
            QCOMPARE(p.dialogs.messages[0].title, QString("Corvell's Calculator"));
        }
        for (const report::Document& doc : p.dialogs.printed) {
            QCOMPARE(doc, p.dialogs.printed.front());
            QCOMPARE(doc.plainLines().back(), std::string("Smith v. Acme"));
            QCOMPARE(doc.plainLines().front(), std::string(28, ' ') + "03-04-2026    09:05:07");
        }
        // Printing, cancelled or failed, changes no field.
        QCOMPARE(texts(p.window, {txtDate, txtCaseCaption}),
                 QStringList({"01/05/2004", "Smith v. Acme"}));
    }

    // A control named wrong fails at once and loudly, in the release build
    // too: a reaction sending the focus to a control the window lacks, and a
    // control of the model without a widget of its name.
    void misnamedControlsThrow_data() {
        columns<ControlName, bool, bool>({"focusTarget", "dateHasWidget", "throws"});
        row("focus on a control of the window", txtDate, true, false);
        row("focus on a control the window lacks", txtAge, true, true);
        row("a control without its widget", txtDate, false, true);
    }
    void misnamedControlsThrow() {
        QFETCH(ControlName, focusTarget);
        QFETCH(bool, dateHasWidget);
        FakeDialogs dialogs;
        NoNavigation navigation;
        NoClaim claim;
        QWidget window;
        FocusModel model(focusTarget);
        ui::FormBinder binder(window, model,
                              ui::Services{dialogs, navigation, fixedClock(testMoment()), claim});
        const std::span<const ui::ControlSpec> controls(kFocusLayout);
        ui::buildControls(window, {WindowId::frmPresentValue, 7000, 4200,
                                   dateHasWidget ? controls : controls.subspan(1)});
        bool threw = false;
        try {
            binder.bind();
            const Reaction r = model.fire(cmdGo, Event::Click);
            QCOMPARE(r.focus->control, focusTarget);
        } catch (const std::logic_error&) {
            threw = true;
        }
        QTEST(threw, "throws");
    }

    // Every control is named, and Enter presses every button that can take
    // the focus, on every window.
    void everyControlIsBound() {
        WindowTest t;
        for (WindowId id :
             {WindowId::BeginForm, WindowId::CalculationForm, WindowId::frmPresentValue,
              WindowId::frmSocialSecurity, WindowId::FrmPension, WindowId::frmOffset,
              WindowId::frmCommutation, WindowId::frmSubrogation}) {
            QWidget& w = t.open(id);
            for (QWidget* child :
                 ui::clientArea(w).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(!child->objectName().isEmpty(), qPrintable(w.objectName()));
            }
            for (QPushButton* b : w.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                if (!b->isEnabled()) {
                    continue;
                }
                t.open(id);  // a navigation button pressed before put it away
                QSignalSpy clicks(b, &QPushButton::clicked);
                b->setFocus(Qt::TabFocusReason);
                QTest::keyClick(b, Qt::Key_Return);
                QVERIFY2(clicks.count() == 1, qPrintable(w.objectName() + " " + b->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestBinder)
#include "test_binder.moc"
