// Claim files in the program, through the real windows: a saved claim opens
// as it was saved, a file that cannot be opened changes nothing, nothing
// unsaved is lost without a question, the claim's file shows in every title,
// a failed save keeps the file that was there, and the interest window's
// Undo Clear and ledger for spreadsheets.

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <nlohmann/json.hpp>

#include "claim/claim.h"
#include "interest/calculationformcontrols.h"
#include "interest/ui/calculationform.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "shell/beginformcontrols.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"
#include "tests/support/workedexample.h"

using namespace corvell;
using namespace corvell::test;
namespace menu = corvell::ui::menu;
using ui::SaveChanges;

Q_DECLARE_METATYPE(corvell::ui::SaveChanges)

namespace {

// Two periods of the worked example in the ledger, under a caption.
void saveTwoPeriods(QWidget& w) {
    using namespace calculationform;
    saveWorkedExample(w, "Smith v. Acme Mills\nClaim 04-1187", false);
    click(w, cmdNextEntry);
    typeAll(w, {txtEndingDate, txtRate}, {"01/28/2005", "500"}, cmdClear);
    click(w, cmdCalculate);
    click(w, cmdSave);
}

// Everything a window shows: the text of each field, the lines of its
// list, the buttons that are disabled.
QStringList shown(QWidget& window) {
    QStringList all;
    for (QWidget* w : ui::clientArea(window).findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            all << name + "=" + line->text();
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            all << name + "=" + box->toPlainText();
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                all << name + "[" + QString::number(i) + "]=" + list->item(i)->text();
            }
        } else if (qobject_cast<QPushButton*>(w) != nullptr && !w->isEnabled()) {
            all << name + " disabled";
        }
    }
    all.sort();
    return all;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray emptyClaimFile() {
    const Claim fresh;
    return QByteArray::fromStdString(claimFileText(fresh));
}

// A claim saved as smith.claim from the interest window, then changed.
QWidget& changedSmithClaim(WindowTest& t, const QTemporaryDir& dir) {
    QWidget& w = t.open(WindowId::CalculationForm);
    t.dialogs.saveAs = dir.filePath("smith.claim");
    command(w, menu::mnuSaveClaimAs)->trigger();
    type(w, calculationform::txtCaseCaption, "Smith v. Acme Mills");
    return w;
}

}  // namespace

class TestClaimWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // The first Save asks for a file (.claim added to a name typed without
    // it) and keeps what the windows show, typed text not yet left
    // included; the program started on that file shows it all again, in
    // every window, whenever it is opened.
    void savedClaimOpensFromTheCommandLine() {
        QTemporaryDir dir;
        QStringList interest;
        QStringList offset;
        {
            WindowTest t;
            QWidget& w = t.open(WindowId::CalculationForm);
            saveTwoPeriods(w);
            QWidget& ss = t.open(WindowId::frmSocialSecurity);
            type(ss, frmsocialsecurity::txtSocialSecurity, "1000");
            typeAndLeave(ss, frmsocialsecurity::txtRate, "500", frmsocialsecurity::cmdSSClear);
            click(ss, frmsocialsecurity::cmdSSCalculate);
            type(ss, frmsocialsecurity::txtCaseCaption, "Smith, still typing");
            t.dialogs.saveAs = dir.filePath("smith");
            command(ss, menu::mnuSaveClaim)->trigger();
            QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            documents = QDir(documents).exists() ? documents : QDir::homePath();
            QCOMPARE(t.dialogs.proposedFiles,
                     std::vector<QString>{QDir(documents).filePath("Smith, still typing.claim")});
            QVERIFY(t.dialogs.messages.empty());
            interest = shown(w);
            offset = shown(ss);
        }
        WindowTest t;
        const QString path = dir.filePath("smith.claim");
        t.program.start(path);
        QWidget& menu = *t.windows.window(WindowId::BeginForm);
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.windowTitle(), QString("Corvell's Calculator - Base Page - smith.claim[*]"));
        QCOMPARE(shown(t.open(WindowId::CalculationForm)), interest);
        QCOMPARE(shown(t.open(WindowId::frmSocialSecurity)), offset);
        QCOMPARE(t.claims.recentClaims(), QStringList{path});
        QVERIFY(t.dialogs.messages.empty());
        QVERIFY(t.dialogs.questions.empty());
    }

    // Figures that come out otherwise than saved (here edited by hand) are
    // told in one message, shown as worked out, and unsaved until saved.
    void changedFiguresAreToldAndUnsaved() {
        QTemporaryDir dir;
        const QString path = dir.filePath("smith.claim");
        {
            WindowTest t;
            saveTwoPeriods(t.open(WindowId::CalculationForm));
            t.dialogs.saveAs = path;
            command(t.open(WindowId::CalculationForm), menu::mnuSaveClaim)->trigger();
        }
        nlohmann::json file = nlohmann::json::parse(contents(path).toStdString());
        nlohmann::json& net =
            file["windows"]["CalculationForm"]["ledger"][0]["shown"]["Net Amount"];
        const std::string worked = net.get<std::string>();
        net = "1.00";
        write(path, QByteArray::fromStdString(file.dump()));

        WindowTest t;
        t.program.start(path);
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        QVERIFY2(t.dialogs.lastMessage().contains(
                     QString::fromStdString("\nCompensation & Interest, entry 1, Net Amount: 1.00 "
                                            "-> " +
                                            worked + "\n")),
                 qPrintable(t.dialogs.lastMessage()));
        QWidget& w = t.open(WindowId::CalculationForm);
        QVERIFY(w.isWindowModified());
        QCOMPARE(t.claim.interest().worksheet()->lines()[1].text,
                 "Compensation & Interest, entry 1, Net Amount: 1.00 -> " + worked);
        command(w, menu::mnuSaveClaim)->trigger();
        QVERIFY(!w.isWindowModified());
        Claim again;
        FigureChanges changes;
        QCOMPARE(openClaimFile(again, contents(path).toStdString(), &changes),
                 std::optional<std::string>());
        QCOMPARE(changes, FigureChanges());
    }

    // A file that cannot be opened is named with what is wrong, asks
    // nothing and changes no window; a missing recent claim leaves the list.
    void unsoundFileChangesNothing_data() {
        // bytes: none when the file is missing
        // reason: the message's end, or its start before "..."
        columns<QByteArray, QString>({"bytes", "reason"});
        row("cut short", emptyClaimFile().left(150),
            "The file is damaged or is not a claim file.\nIt is not complete JSON...");
        row("another program's file", QByteArray(R"({"format": "spreadsheet", "version": 1})"),
            "The file is damaged or is not a claim file.\nThis is not a claim file of Corvell's "
            "Calculator.");
        row("missing, from the recent list", QByteArray(), "The file does not exist.");
    }
    void unsoundFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        WindowTest t;
        const QString other = dir.filePath("other.claim");
        QWidget& w = t.open(WindowId::CalculationForm);
        t.dialogs.saveAs = other;
        command(w, menu::mnuSaveClaimAs)->trigger();
        QWidget& smith = changedSmithClaim(t, dir);
        const QStringList before = shown(smith);
        const QString title = smith.windowTitle();
        t.dialogs.clear();

        if (bytes.isEmpty()) {
            QVERIFY(QFile::remove(other));
            t.claims.openRecentClaim(w, other);  // what Open Recent's entry does
            QCOMPARE(t.claims.recentClaims(), QStringList{dir.filePath("smith.claim")});
        } else {
            write(other, bytes);
            t.dialogs.openPath = other;
            command(w, menu::mnuOpenClaim)->trigger();
        }
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        const QString start = "Could not open " + QDir::toNativeSeparators(other) + ": ";
        if (reason.endsWith("...")) {
            QVERIFY2(t.dialogs.lastMessage().startsWith(start + reason.chopped(3)),
                     qPrintable(t.dialogs.lastMessage()));
        } else {
            QCOMPARE(t.dialogs.lastMessage(), start + reason);
        }
        QVERIFY(t.dialogs.questions.empty());
        QCOMPARE(shown(smith), before);
        QCOMPARE(smith.windowTitle(), title);
        QVERIFY(smith.isWindowModified());
    }

    // A claim open in one copy of the program is only read by a second:
    // asked, it opens read-only and its Save goes to Save As; the first
    // copy's file is never written by it.
    void secondCopyOpensReadOnly_data() {
        columns<int, bool>({"choice", "opens"});
        row("Open Read-Only", 0, true);
        row("Cancel", 1, false);
    }
    void secondCopyOpensReadOnly() {
        QFETCH(int, choice);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        WindowTest first;
        changedSmithClaim(first, dir);
        const QString path = dir.filePath("smith.claim");
        const QByteArray saved = contents(path);

        WindowTest second;
        QWidget& w = second.open(WindowId::CalculationForm);
        type(w, calculationform::txtCaseCaption, "Jones");
        second.dialogs.openPath = path;
        second.dialogs.choices = {choice};
        second.dialogs.answers = {SaveChanges::Discard};
        command(w, menu::mnuOpenClaim)->trigger();
        QCOMPARE(second.dialogs.questions.size(), std::size_t(opens ? 2 : 1));
        const QString held = second.dialogs.questions.front();
        QVERIFY2(held.startsWith("smith.claim is open in Corvell's Calculator by ") &&
                     held.contains(" since ") && held.endsWith("."),
                 qPrintable(held));
        QCOMPARE(second.claims.isReadOnly(), opens);
        QCOMPARE(text(w, calculationform::txtCaseCaption), opens ? QString() : QString("Jones"));
        if (!opens) {
            return;
        }
        QCOMPARE(w.windowTitle(),
                 QString("CORVELL'S Compensation & Interest - smith.claim (read-only)[*]"));
        // Not over the first copy's claim, chosen again in Save As.
        second.dialogs.saveAs = path;
        command(w, menu::mnuSaveClaim)->trigger();
        QVERIFY2(second.dialogs.lastMessage().startsWith(
                     "Could not save the claim as " + QDir::toNativeSeparators(path) +
                     ": smith.claim is open in Corvell's Calculator by "),
                 qPrintable(second.dialogs.lastMessage()));
        QCOMPARE(contents(path), saved);
        second.dialogs.saveAs = dir.filePath("copy.claim");
        command(w, menu::mnuSaveClaim)->trigger();
        QCOMPARE(second.dialogs.proposedFiles.back(), dir.filePath("Untitled.claim"));
        QCOMPARE(contents(path), saved);
        QCOMPARE(second.claims.file(), dir.filePath("copy.claim"));
        QVERIFY(!second.claims.isReadOnly());
    }

    // Save asks first when someone else changed the file since it was opened
    // or saved: Cancel keeps their file, Overwrite writes over it, Save As
    // saves elsewhere.
    void saveAsksWhenTheFileChangedOnDisk_data() {
        columns<int, bool, bool>({"choice", "overwritten", "savedElsewhere"});
        row("Save As...", 0, false, true);
        row("Overwrite", 1, true, false);
        row("Cancel", 2, false, false);
    }
    void saveAsksWhenTheFileChangedOnDisk() {
        QFETCH(int, choice);
        QFETCH(bool, overwritten);
        QFETCH(bool, savedElsewhere);
        QTemporaryDir dir;
        WindowTest t;
        QWidget& w = changedSmithClaim(t, dir);
        const QString path = dir.filePath("smith.claim");
        write(path, emptyClaimFile() + "\n");  // another program's save
        t.dialogs.choices = {choice};
        t.dialogs.saveAs = dir.filePath("mine.claim");
        command(w, menu::mnuSaveClaim)->trigger();
        QCOMPARE(t.dialogs.questions,
                 std::vector<QString>{"smith.claim was changed by another program since you "
                                      "opened it."});
        QCOMPARE(contents(path).contains("Smith v. Acme Mills"), overwritten);
        QCOMPARE(QFile::exists(dir.filePath("mine.claim")), savedElsewhere);
        QCOMPARE(w.isWindowModified(), !overwritten && !savedElsewhere);
        // Once saved, the next Save asks nothing.
        t.dialogs.clear();
        command(w, menu::mnuSaveClaim)->trigger();
        QCOMPARE(t.dialogs.questions.empty(), overwritten || savedElsewhere);
    }

    // With changes not saved, ending the program, New Claim and Open Claim
    // ask first: Save saves and goes on, Discard goes on, Cancel stops.
    // With nothing changed they go on at once.
    void unsavedChangesAreAskedAbout_data() {
        columns<QString, bool, SaveChanges, bool>({"command", "changed", "answer", "goesOn"});
        row("Close, Save", "Close", true, SaveChanges::Save, true);
        row("Close, Discard", "Close", true, SaveChanges::Discard, true);
        row("Close, Cancel", "Close", true, SaveChanges::Cancel, false);
        row("Close, nothing changed", "Close", false, SaveChanges::Cancel, true);
        row("close control, Cancel", "close control", true, SaveChanges::Cancel, false);
        row("close control, Discard", "close control", true, SaveChanges::Discard, true);
        row("New Claim, Save", "New Claim", true, SaveChanges::Save, true);
        row("New Claim, Cancel", "New Claim", true, SaveChanges::Cancel, false);
        row("New Claim, nothing changed", "New Claim", false, SaveChanges::Cancel, true);
        row("Open Claim, Discard", "Open Claim", true, SaveChanges::Discard, true);
        row("Open Claim, Cancel", "Open Claim", true, SaveChanges::Cancel, false);
    }
    void unsavedChangesAreAskedAbout() {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(SaveChanges, answer);
        QFETCH(bool, goesOn);
        QTemporaryDir dir;
        const QString other = dir.filePath("other.claim");
        write(other, emptyClaimFile());
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QWidget& w = changedSmithClaim(t, dir);
        if (!changed) {
            test::command(w, menu::mnuSaveClaim)->trigger();
        }
        const QByteArray saved = contents(dir.filePath("smith.claim"));
        t.dialogs.answers = {answer};
        t.dialogs.openPath = other;

        if (command == "Close") {
            click(menu, beginform::cmdExit);
        } else if (command == "close control") {
            QCOMPARE(menu.close(), goesOn);
        } else {
            test::command(w, command == "New Claim" ? menu::mnuNewClaim : menu::mnuOpenClaim)
                ->trigger();
        }
        QCOMPARE(t.dialogs.questions, changed ? std::vector<QString>{"Save changes to smith.claim "
                                                                     "before closing?"}
                                              : std::vector<QString>{});
        const bool ended = t.quitCalls == 1;
        const bool closed = text(w, calculationform::txtCaseCaption).isEmpty();
        QCOMPARE(command.startsWith("Close") || command.startsWith("close") ? ended : closed,
                 goesOn);
        if (command == "Open Claim" && goesOn) {
            QCOMPARE(t.claims.file(), other);
        }
        QCOMPARE(contents(dir.filePath("smith.claim")) != saved,
                 changed && answer == SaveChanges::Save);
        QVERIFY(t.dialogs.messages.empty());
    }

    // A new claim asks about "Untitled" and saves it through the file dialog.
    void untitledClaimIsSavedBeforeANewOne() {
        QTemporaryDir dir;
        WindowTest t;
        QWidget& w = t.open(WindowId::CalculationForm);
        type(w, calculationform::txtCaseCaption, "Smith v. Acme Mills");
        t.dialogs.answers = {SaveChanges::Save};
        t.dialogs.saveAs = dir.filePath("smith.claim");
        command(w, menu::mnuNewClaim)->trigger();
        QCOMPARE(t.dialogs.questions,
                 std::vector<QString>{"Save changes to Untitled before closing?"});
        QVERIFY(contents(dir.filePath("smith.claim")).contains("Smith v. Acme Mills"));
        QCOMPARE(text(w, calculationform::txtCaseCaption), QString());
        QCOMPARE(w.windowTitle(), QString("CORVELL'S Compensation & Interest"));
    }

    // Titles stay as they are until the claim has a file; then every window,
    // those opened later too, names it and marks changes not saved.
    void titlesNameTheClaimFile() {
        QTemporaryDir dir;
        WindowTest t;
        QWidget& menu = t.open(WindowId::BeginForm);
        QWidget& w = t.open(WindowId::CalculationForm);
        type(w, calculationform::txtRate, "500");
        QCOMPARE(w.windowTitle(), QString("CORVELL'S Compensation & Interest"));
        QVERIFY(!w.isWindowModified());

        t.dialogs.saveAs = dir.filePath("smith.claim");
        command(menu, menu::mnuSaveClaim)->trigger();
        QCOMPARE(w.windowTitle(), QString("CORVELL'S Compensation & Interest - smith.claim[*]"));
        QCOMPARE(menu.windowTitle(), QString("Corvell's Calculator - Base Page - smith.claim[*]"));
        QVERIFY(!w.isWindowModified());
        type(w, calculationform::txtRate, "5000");
        QVERIFY(w.isWindowModified());
        QVERIFY(menu.isWindowModified());
        type(w, calculationform::txtRate, "500");  // as saved again
        QVERIFY(!w.isWindowModified());
        QWidget& later = t.open(WindowId::frmCommutation);
        QCOMPARE(later.windowTitle(), QString("CORVELL'S Commutation Calculator - smith.claim[*]"));
    }

    // A save that fails says where and why, leaves the file the claim was
    // in as it was and the claim in it, changes marked, and nothing else.
    void failedSaveKeepsTheFile_data() {
        QTest::addColumn<QString>("target");  // in the temporary folder
        row("inside a regular file", "notes.txt/smith.claim");
        row("the name of a folder", "reports.claim");
    }
    void failedSaveKeepsTheFile() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        write(dir.filePath("notes.txt"), "kept");
        QVERIFY(QDir(dir.path()).mkdir("reports.claim"));
        WindowTest t;
        QWidget& w = changedSmithClaim(t, dir);
        const QByteArray saved = contents(dir.filePath("smith.claim"));
        const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        t.dialogs.saveAs = dir.filePath(target);
        command(w, menu::mnuSaveClaimAs)->trigger();
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        const QString message = t.dialogs.lastMessage();
        QVERIFY2(message.startsWith("Could not save the claim as " +
                                    QDir::toNativeSeparators(dir.filePath(target)) + ": ") &&
                     message.endsWith("."),
                 qPrintable(message));
        QCOMPARE(contents(dir.filePath("smith.claim")), saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
        QCOMPARE(w.windowTitle(), QString("CORVELL'S Compensation & Interest - smith.claim[*]"));
        QVERIFY(w.isWindowModified());
    }

    // Edit > Undo Clear (Ctrl+Z) brings back what Clear emptied, and only
    // while there is something to bring back. In a field, Ctrl+Z first
    // undoes the field's own typing.
    void undoClearBringsTheLedgerBack() {
        WindowTest t;
        QWidget& w = t.open(WindowId::CalculationForm);
        saveTwoPeriods(w);
        const QStringList before = shown(w);
        auto* undo = command(w, menu::mnuUndoClear);
        QVERIFY(!undo->isEnabled());
        click(w, calculationform::cmdClear);
        QVERIFY(listLines(w, calculationform::List1).isEmpty());
        QVERIFY(undo->isEnabled());
        auto* rate = lineEdit(w, calculationform::txtRate);
        rate->setFocus();
        QTest::keyClicks(rate, "7");
        QTest::keyClick(rate, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rate->text(), QString());
        QVERIFY(listLines(w, calculationform::List1).isEmpty());
        QTest::keyClick(rate, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown(w), before);
        QCOMPARE(focused(), control(w, calculationform::txtBeginningDate));
        QVERIFY(!undo->isEnabled());
    }

    // The ledger of the last Save as a CSV file, named as its report is, and
    // on the clipboard with tabs; neither once Clear has emptied it.
    void ledgerLeavesForSpreadsheets() {
        QTemporaryDir dir;
        WindowTest t;
        QWidget& w = t.open(WindowId::CalculationForm);
        saveTwoPeriods(w);
        t.dialogs.saveAs = dir.filePath("ledger.csv");
        command(w, menu::mnuExportLedgerCsv)->trigger();
        QCOMPARE(QFileInfo(t.dialogs.proposedFiles.at(0)).fileName(),
                 QString("Interest Calculation - Smith v. Acme Mills - 2026-03-04.csv"));
        const QStringList rows = QString(contents(dir.filePath("ledger.csv"))).split("\r\n");
        // headings, two entries, totals, the rows added up, the cents between,
        // why they may differ, and the end
        QCOMPARE(rows.size(), 8);
        QVERIFY(rows[0].startsWith("Begin,End,Payment Date,Payment,"));
        QVERIFY2(rows[1].startsWith("01/01/2004,12/31/2004,06/30/2005,1000.00,52.00,2.00,500.00,"
                                    "26142.86,"),
                 qPrintable(rows[1]));
        QVERIFY2(
            rows[2].startsWith("01/01/2005,01/28/2005,06/30/2005,0.00,4.00,0.00,500.00,2000.00,"),
            qPrintable(rows[2]));
        QVERIFY(rows[3].startsWith("Totals,,,1000.00,,,,28142.86,"));

        command(w, menu::mnuCopyLedger)->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().split("\n").at(1).startsWith(
            "01/01/2004\t12/31/2004\t06/30/2005\t1000.00\t"));
        click(w, calculationform::cmdClear);
        QVERIFY(!command(w, menu::mnuExportLedgerCsv)->isEnabled());
        QVERIFY(!command(w, menu::mnuCopyLedger)->isEnabled());
    }
};

QTEST_MAIN(TestClaimWindows)
#include "test_claimwindows.moc"
