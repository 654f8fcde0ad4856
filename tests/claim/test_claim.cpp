// Claim files: a whole claim saved and read back behaves exactly as before,
// and a damaged or foreign file changes nothing and says what is wrong.

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
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using nlohmann::json;

namespace {

void type(FormModel& m, ControlName field, const std::string& text) {
    m.setText(field, text);
}

void press(FormModel& m, ControlName button) {
    m.fire(button, Event::Click);
}

// An interest entry calculated and saved.
void saveEntry(Claim& c, const std::string& end, const std::string& rate, const std::string& paid,
               const std::string& payment) {
    using namespace calculationform;
    FormModel& m = c.model(WindowId::CalculationForm);
    type(m, txtEndingDate, end);
    m.fire(txtEndingDate, Event::LostFocus);
    type(m, txtRate, rate);
    type(m, txtPaymentDate, paid);
    type(m, txtPaymentAmount, payment);
    press(m, cmdCalculate);
    press(m, cmdSave);
}

// Every window with something in it: three ledger entries, the second
// recalled, and a calculation on every other window.
void fill(Claim& c) {
    {
        using namespace calculationform;
        FormModel& m = c.model(WindowId::CalculationForm);
        type(m, txtBeginningDate, "01/01/2004");
        m.fire(txtBeginningDate, Event::LostFocus);
        type(m, txtCaseCaption, "Smith v. Acme Mills\nClaim 123");
        saveEntry(c, "12/31/2004", "500", "06/30/2005", "1000");
        press(m, cmdNextEntry);
        saveEntry(c, "01/28/2005", "500", "12/31/2005", "");
        press(m, cmdNextEntry);
        saveEntry(c, "03/31/2005", "512.5", "", "");
        m.fire(List1, Event::DblClick, 1);
    }
    {
        using namespace frmpresentvalue;
        FormModel& m = c.model(WindowId::frmPresentValue);
        type(m, txtFromDate, "01/01/2005");
        type(m, txtAge, "45");
        type(m, txtGender, "m");
        type(m, txtRate, "500");
        press(m, cmdPVCalculate);
    }
    {
        using namespace frmsocialsecurity;
        FormModel& m = c.model(WindowId::frmSocialSecurity);
        type(m, txtSocialSecurity, "1000");
        type(m, txtRate, "500");
        press(m, cmdSSCalculate);
    }
    {
        using namespace frmpension;
        FormModel& m = c.model(WindowId::FrmPension);
        type(m, txtMonthlyPension, "1200");
        type(m, txtEmployerPercent, "60");
        type(m, txtRate, "500");
        press(m, cmdSSCalculate);
    }
    {
        using namespace frmoffset;
        FormModel& m = c.model(WindowId::frmOffset);
        type(m, txtBeginningDate, "01/05/2004");
        type(m, txtNetOffsetAmount, "5000");
        type(m, txtRate, "400");
        press(m, cmdCommCalculate);
    }
    {
        using namespace frmcommutation;
        FormModel& m = c.model(WindowId::frmCommutation);
        type(m, txtBeginningDate, "01/05/2004");
        type(m, txtCommWeeks, "104");
        type(m, txtCommAmount, "52000");
        press(m, cmdCommCalculate);
        type(m, txtCommAmount, "");
        press(m, cmdCommCalculate);  // refused: its worksheet says so
        type(m, txtCommAmount, "52000");
    }
    {
        using namespace frmsubrogation;
        FormModel& m = c.model(WindowId::frmSubrogation);
        type(m, txtTotalRecovery, "100000");
        type(m, txtCostsAndFees, "40000");
        type(m, txtLienAmount, "30000");
        type(m, txtRate, "450");
        press(m, cmdSSCalculate);
    }
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
            using namespace calculationform;
            FormModel& m = c->model(WindowId::CalculationForm);
            type(m, txtRate, "600");
            press(m, cmdCalculate);
            press(m, cmdSave);
            press(m, cmdNextEntry);
            c->model(WindowId::frmPresentValue).setText(frmpresentvalue::txtInterestRate, "6");
            press(c->model(WindowId::frmPresentValue), frmpresentvalue::cmdPVCalculate);
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
        press(after.model(WindowId::CalculationForm), calculationform::cmdClear);
        after.clear();
        QCOMPARE(after.save().dump(), Claim().save().dump());
        QCOMPARE(readClaimFile(after, claimFileText(before)), std::optional<std::string>());
        QCOMPARE(after.save().dump(), before.save().dump());
    }

    // Undo Clear brings back the ledger, its counters, flags and fields
    // exactly, until the ledger changes again.
    void undoClear() {
        Claim c;
        fill(c);
        InterestModel& m = c.interest();
        const std::string before = m.saveState().dump();
        QVERIFY(!m.canUndoClear());
        press(m, calculationform::cmdClear);
        QVERIFY(m.canUndoClear());
        QCOMPARE(m.ledger().EntryCount(), 0);
        m.undoClear();
        QCOMPARE(m.saveState().dump(), before);
        QVERIFY(!m.canUndoClear());

        press(m, calculationform::cmdClear);
        type(m, calculationform::txtBeginningDate, "01/01/2004");
        saveEntry(c, "01/31/2004", "100", "", "");  // a new ledger: the old one is gone
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
        row("not JSON", "raw:hello", "damaged or incomplete");
        row("truncated", "truncate", "damaged or incomplete");
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
        QCOMPARE(target.save().dump(), before.dump());
    }
};

QTEST_APPLESS_MAIN(TestClaim)
#include "test_claim.moc"
