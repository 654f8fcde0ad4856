// Claim files: a whole claim saved and read back behaves exactly as before,
// and a damaged or foreign file changes nothing and says what is wrong.

#include <QFile>
#include <QTest>
#include <nlohmann/json.hpp>

#include "claim/claim.h"
#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "interest/ledgertable.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "shell/format.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "tests/support/play.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using nlohmann::json;

namespace {

// An interest entry calculated and saved.
QString savedEntry(const char* end, const char* rate, const char* paid, const char* payment) {
    return QString(
               "txtEndingDate=%1|@txtEndingDate|txtRate=%2|txtPaymentDate=%3|"
               "txtPaymentAmount=%4|!cmdCalculate|!cmdSave")
        .arg(end, rate, paid, payment);
}

// Every window with something in it: three ledger entries, the second
// recalled, and a calculation on every other window.
void fill(Claim& c) {
    FormModel& interest = c.model(WindowId::CalculationForm);
    play(interest,
         "txtBeginningDate=01/01/2004|@txtBeginningDate|"
         "txtCaseCaption=Smith v. Acme Mills\nClaim 123|" +
             savedEntry("12/31/2004", "500", "06/30/2005", "1000") + "|!cmdNextEntry|" +
             savedEntry("01/28/2005", "500", "12/31/2005", "") + "|!cmdNextEntry|" +
             savedEntry("03/31/2005", "512.5", "", ""));
    interest.fire(calculationform::List1, Event::DblClick, 1);
    play(c.model(WindowId::frmPresentValue),
         "txtFromDate=01/01/2005|txtAge=45|txtGender=m|txtRate=500|!cmdPVCalculate");
    play(c.model(WindowId::frmSocialSecurity),
         "txtSocialSecurity=1000|txtRate=500|!cmdSSCalculate");
    play(c.model(WindowId::FrmPension),
         "txtMonthlyPension=1200|txtEmployerPercent=60|txtRate=500|!cmdSSCalculate");
    play(c.model(WindowId::frmOffset),
         "txtBeginningDate=01/05/2004|txtNetOffsetAmount=5000|txtRate=400|!cmdCommCalculate");
    // The second Calculate is refused: its worksheet says so.
    play(c.model(WindowId::frmCommutation),
         "txtBeginningDate=01/05/2004|txtCommWeeks=104|txtCommAmount=52000|!cmdCommCalculate|"
         "txtCommAmount=|!cmdCommCalculate|txtCommAmount=52000");
    play(c.model(WindowId::frmSubrogation),
         "txtTotalRecovery=100000|txtCostsAndFees=40000|txtLienAmount=30000|txtRate=450|"
         "!cmdSSCalculate");
}

std::string reportOf(const Reaction& r) {
    if (!r.print) {
        return r.message ? "message: " + r.message->text : std::string("nothing");
    }
    std::string all;
    for (const std::string& line : r.print->make(LocalTime{2026, 12, 8, 9, 0, 0}).plainLines()) {
        all += line + "\n";
    }
    return all;
}

}  // namespace

class TestClaim : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Saved and read into a freshly started program, the claim shows the same
    // and the next commands on it do the same, down to the printed reports.
    void savedClaimBehavesAsBefore() {
        Claim before;
        fill(before);
        const std::string text = claimFileText(before);
        QVERIFY(text.find("\"format\": \"corvells-calculator-claim\"") != std::string::npos);
        Claim after;
        QCOMPARE(readClaimFile(after, text), std::optional<std::string>());
        QCOMPARE(after.save().dump(), before.save().dump());
        for (WindowId id : kCalculators) {
            QCOMPARE(after.model(id).worksheet(), before.model(id).worksheet());
            QCOMPARE(after.model(id).reportWorksheet(), before.model(id).reportWorksheet());
        }

        for (Claim* c : {&before, &after}) {
            play(c->model(WindowId::CalculationForm),
                 "txtRate=600|!cmdCalculate|!cmdSave|!cmdNextEntry");
            play(c->model(WindowId::frmPresentValue), "txtInterestRate=6|!cmdPVCalculate");
        }
        QCOMPARE(after.save().dump(), before.save().dump());
        for (const auto& [window, print] :
             {std::pair{WindowId::CalculationForm, calculationform::cmdPrint},
              {WindowId::frmPresentValue, frmpresentvalue::cmdPVPrint},
              {WindowId::frmSocialSecurity, frmsocialsecurity::cmdSSPrint},
              {WindowId::FrmPension, frmpension::cmdSSPrint},
              {WindowId::frmOffset, frmoffset::cmdCommPrint},
              {WindowId::frmCommutation, frmcommutation::cmdCommPrint},
              {WindowId::frmSubrogation, frmsubrogation::cmdSSPrint}}) {
            QCOMPARE(reportOf(after.model(window).fire(print, Event::Click)),
                     reportOf(before.model(window).fire(print, Event::Click)));
        }
        // Clear, then reading the file again, brings the claim back.
        play(after.model(WindowId::CalculationForm), "!cmdClear");
        after.clear();
        QCOMPARE(after.save().dump(), Claim().save().dump());
        QCOMPARE(readClaimFile(after, claimFileText(before)), std::optional<std::string>());
        QCOMPARE(after.save().dump(), before.save().dump());
    }

    // Claims saved by an earlier version open as they were saved.
    void earlierFilesOpen_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"ledger-100-entries.claim", "every-window.claim"}) {
            QTest::newRow(name) << QString(name);
        }
    }
    void earlierFilesOpen() {
        QFETCH(QString, name);
        QFile file(QFINDTESTDATA("fixtures/v1/" + name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string text = file.readAll().toStdString();
        Claim claim;
        QCOMPARE(readClaimFile(claim, text), std::optional<std::string>());
        QCOMPARE(claimFileText(claim), text);
    }

    // Undo Clear brings back the ledger, its counters, flags and fields
    // exactly, until the ledger changes again.
    void undoClear() {
        Claim c;
        fill(c);
        InterestModel& m = c.interest();
        const std::string before = m.saveState().dump();
        QVERIFY(!m.canUndoClear());
        play(m, "!cmdClear");
        QVERIFY(m.canUndoClear());
        QCOMPARE(m.ledger().EntryCount(), 0);
        m.undoClear();
        QCOMPARE(m.saveState().dump(), before);
        QVERIFY(!m.canUndoClear());

        // A new ledger: the old one is gone.
        play(m, "!cmdClear|txtBeginningDate=01/01/2004|" + savedEntry("01/31/2004", "100", "", ""));
        QVERIFY(!m.canUndoClear());
        QCOMPARE(m.ledger().EntryCount(), 1);
    }

    // The ledger for a spreadsheet: figures with two decimals and no
    // grouping, a missing payment date empty, the totals last.
    void ledgerAsCsv() {
        Claim c;
        fill(c);
        const InterestModel& m = c.interest();
        const std::string csv = ledgerCsv(m.ledger(), m.totals());
        QCOMPARE(csv,
                 std::string("Begin,End,Payment Date,Payment,Weeks,Days,Rate,Compensation,Accrued,"
                             "Simple,Total,Net\r\n"
                             "01/01/2004,12/31/2004,06/30/2005,1000.00,52.00,2.00,500.00,26142.86,"
                             "1325.00,1381.02,28848.88,27848.88\r\n"
                             "01/01/2005,01/28/2005,12/31/2005,0.00,4.00,0.00,500.00,2000.00,9.62,"
                             "1611.51,3621.12,3621.12\r\n"
                             "01/29/2005,03/31/2005,,0.00,8.00,6.00,512.50,4539.29,0.00,0.00,"
                             "4539.29,4539.29\r\n"
                             "Totals,,,1000.00,,,,32682.14,1334.62,2992.53,37009.29,36009.29\r\n"));
        std::string tabbed = csv;
        for (char& ch : tabbed) {
            ch = ch == ',' ? '\t' : ch;
        }
        std::erase(tabbed, '\r');
        QCOMPARE(ledgerTabbed(m.ledger(), m.totals()), tabbed);
    }

    void damagedFileChangesNothing_data() {
        // change: a JSON pointer and its new value, or raw text
        columns<QString, QString>({"change", "says"});
        row("not JSON", "raw:hello", "damaged or is not a claim file.\nIt is not complete JSON");
        row("truncated", "truncate", "damaged or is not a claim file.\nIt is not complete JSON");
        row("another format", "/format=\"spreadsheet\"",
            "not a claim file of Corvell's Calculator");
        row("newer version", "/version=2", "newer version");
        row("field of the wrong type", "/windows/frmPresentValue/fields/txtRate=5",
            "frmPresentValue.fields.txtRate is not text");
        row("unknown field", "/windows/FrmPension/fields/txtOther=\"\"",
            "FrmPension.fields holds fields");
        row("days out of range", "/windows/frmCommutation/kept/values/Days=40000",
            "Days is not a whole number");
        row("date that is no date", "/windows/CalculationForm/kept/ledger/0/EndDate=\"02/30/2005\"",
            "ledger[1].EndDate is not a date");
        row("entry count disagrees", "/windows/CalculationForm/kept/state/CurrentEntry=0",
            "disagrees with the ledger");
        row("totals disagree", "/windows/CalculationForm/kept/totals/CompTotal=1",
            "totals disagree");
        row("panel disagrees", "/windows/CalculationForm/lists/List1/0=\"x\"",
            "panel lines that disagree");
        row("a button that is not there", "/windows/frmOffset/disabled/0=\"cmdNone\"",
            "is not a button of this window");
        row("more than 100 entries", "101 entries", "more than 100 entries");
        row("worksheet not read from its texts",
            "/windows/FrmPension/kept/worksheet/calculation/rate=400",
            "FrmPension.kept.worksheet.calculation is not what a Calculate reads");
        row("entry worksheet disagrees with its entry",
            "/windows/CalculationForm/kept/entryWorksheets/0/rate=\"600\"",
            "entryWorksheets[1] disagrees with its ledger entry");
        row("refusal in a field the window lacks",
            "/windows/frmCommutation/kept/worksheet/refusal/field=\"txtNone\"",
            "refusal.field is not a field of this window");
    }
    void damagedFileChangesNothing() {
        QFETCH(QString, change);
        QFETCH(QString, says);
        Claim source;
        fill(source);
        std::string text = claimFileText(source);
        const std::string c = change.toStdString();
        if (c.rfind("raw:", 0) == 0) {
            text = c.substr(4);
        } else if (c == "truncate") {
            text.resize(text.size() / 2);
        } else if (c == "101 entries") {
            json saved = source.save();
            json& entries = saved["windows"]["CalculationForm"]["kept"]["ledger"];
            while (entries.size() <= 100) {
                entries.push_back(entries[0]);
            }
            text = saved.dump();
        } else {
            json saved = source.save();
            const auto eq = c.find('=');
            json::json_pointer at(c.substr(0, eq));
            if (at.to_string() == "/windows/frmOffset/disabled/0") {
                saved["windows"]["frmOffset"]["disabled"].push_back("");
            }
            saved[at] = json::parse(c.substr(eq + 1));
            text = saved.dump();
        }
        Claim target;
        target.model(WindowId::frmSocialSecurity).setText(frmsocialsecurity::txtRate, "typed");
        const json before = target.save();
        const std::optional<std::string> said = readClaimFile(target, text);
        QVERIFY(said.has_value());
        QVERIFY2(said->find(says.toStdString()) != std::string::npos, said->c_str());
        // Only a newer version's file is not called damaged.
        QCOMPARE(said->rfind(kDamagedClaimFile, 0) == 0, !says.startsWith("newer"));
        QCOMPARE(target.save().dump(), before.dump());
    }
};

QTEST_APPLESS_MAIN(TestClaim)
#include "test_claim.moc"
