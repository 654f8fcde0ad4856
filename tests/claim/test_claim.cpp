// Claim files: a whole claim saved and opened again behaves exactly as
// before, down to the unrounded amounts; first-version files open with their
// figures; changed figures are told; a damaged or foreign file changes
// nothing and says what is wrong.

#include <QFile>
#include <QTest>
#include <nlohmann/json.hpp>

#include "claim/claim.h"
#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "interest/ledgercents.h"
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

std::string fixture(const QString& name) {
    QFile file(QFINDTESTDATA("fixtures/v1/" + name));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no fixture %s", qPrintable(name));
    }
    return file.readAll().toStdString();
}

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

// Everything the windows hold in memory, unrounded, beside what they show.
std::string figuresOf(Claim& c) {
    json all = c.save();
    const InterestModel& m = c.interest();
    json& ledger = all["memory"]["ledger"];
    for (int n = 1; n <= m.ledger().EntryCount(); ++n) {
        const LedgerEntry& e = m.ledger().entry(n);
        ledger.push_back({e.CompAmount, e.AccruedAmount, e.SimpleAmount, e.TotalAmountValue,
                          e.PayAmount, e.RateValue, e.BeginText, e.EndText, e.PayDateText});
    }
    const LedgerTotals& t = m.totals();
    all["memory"]["totals"] = {t.PaymentsTotal, t.AccruedTotal, t.SimpleTotal,
                               t.CompTotal,     t.AmountTotal,  t.NetTotal};
    all["memory"]["panel"] = m.lines(calculationform::List1);
    all["memory"]["others"] = {c.presentValue().discountRate(),
                               c.presentValue().presentValue(),
                               c.pension().newWeeklyRate(),
                               c.subrogation().newWeeklyRate(),
                               c.commutation().CommAmount().value_or(-1),
                               c.commutation().CommRate().value_or(-1)};
    return all.dump(1);
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
        FigureChanges changes;
        QCOMPARE(openClaimFile(after, text, &changes), std::optional<std::string>());
        QCOMPARE(changes, FigureChanges());
        QCOMPARE(figuresOf(after), figuresOf(before));
        for (WindowId id : kCalculators) {
            // A refused Calculate is not kept: pressing it again says it again.
            if (!before.model(id).worksheet()->tellsOfRefusal()) {
                QCOMPARE(after.model(id).worksheet(), before.model(id).worksheet());
            }
            QCOMPARE(after.model(id).reportWorksheet()->results(),
                     before.model(id).reportWorksheet()->results());
        }

        for (Claim* c : {&before, &after}) {
            play(c->model(WindowId::CalculationForm),
                 "txtRate=600|!cmdCalculate|!cmdSave|!cmdNextEntry");
            play(c->model(WindowId::frmPresentValue), "txtInterestRate=6|!cmdPVCalculate");
        }
        QCOMPARE(figuresOf(after), figuresOf(before));
        // Entry 2 was saved over after entry 3 was figured against it: entry
        // 3 keeps those figures.
        Claim third;
        QCOMPARE(openClaimFile(third, claimFileText(before), &changes),
                 std::optional<std::string>());
        QCOMPARE(changes, FigureChanges());
        QCOMPARE(figuresOf(third), figuresOf(before));
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
        Claim fresh;
        QCOMPARE(figuresOf(after), figuresOf(fresh));
        QCOMPARE(openClaimFile(after, claimFileText(before)), std::optional<std::string>());
        QCOMPARE(figuresOf(after), figuresOf(before));
    }

    // Claims saved by the first version open with the very figures they
    // were saved with: every field, panel line, total and kept amount.
    void earlierFilesOpen_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"ledger-100-entries.claim", "every-window.claim"}) {
            QTest::newRow(name) << QString(name);
        }
    }
    void earlierFilesOpen() {
        QFETCH(QString, name);
        const json v1 = json::parse(fixture(name));
        Claim claim;
        FigureChanges changes;
        QCOMPARE(openClaimFile(claim, fixture(name), &changes), std::optional<std::string>());
        QCOMPARE(changes, FigureChanges());
        for (WindowId id : kCalculators) {
            const json& saved = v1["windows"][std::string(windowClassName(id))];
            for (ControlName field : claim.model(id).fieldNames()) {
                QCOMPARE(claim.model(id).text(field),
                         saved["fields"][std::string(field.name())].get<std::string>());
            }
        }
        const json& kept = v1["windows"]["CalculationForm"]["kept"];
        const InterestModel& m = claim.interest();
        QCOMPARE(json(m.lines(calculationform::List1)).dump(1),
                 v1["windows"]["CalculationForm"]["lists"]["List1"].dump(1));
        QCOMPARE(m.ledger().EntryCount(), int(kept["ledger"].size()));
        for (int n = 1; n <= m.ledger().EntryCount(); ++n) {
            const json& e = kept["ledger"][n - 1];
            const LedgerEntry& now = m.ledger().entry(n);
            QCOMPARE(now.CompAmount, e["TotalComp"].get<double>());
            QCOMPARE(now.AccruedAmount, e["AccruedInterest"].get<double>());
            QCOMPARE(now.SimpleAmount, e["SimpleInterest"].get<double>());
            QCOMPARE(now.TotalAmountValue, e["TotalAmount"].get<double>());
            QCOMPARE(now.PayAmount, e["PaymentAmount"].get<double>());
        }
        QCOMPARE(m.totals().NetTotal, kept["totals"]["NetTotal"].get<double>());
        QCOMPARE(m.state().CurrentEntry, kept["state"]["CurrentEntry"].get<int>());
        const json& windows = v1["windows"];
        QCOMPARE(claim.pension().newWeeklyRate(),
                 windows["FrmPension"]["kept"]["NewWeeklyRate"].get<double>());
        QCOMPARE(claim.subrogation().newWeeklyRate(),
                 windows["frmSubrogation"]["kept"]["NewWeeklyRate"].get<double>());
        QCOMPARE(claim.presentValue().presentValue(),
                 windows["frmPresentValue"]["kept"]["PresentValue"].get<double>());
        const json& commRate = windows["frmCommutation"]["kept"]["CommRate"];
        QCOMPARE(claim.commutation().CommRate().value_or(-1),
                 commRate.is_null() ? -1 : commRate.get<double>());
    }

    // A first-version claim of figures the program now refuses opens with
    // its fields as typed, and says which figures it could not make again.
    void earlierRefusedReadingsOpen() {
        Claim claim;
        FigureChanges changes;
        QCOMPARE(openClaimFile(claim, fixture("earlier-readings.claim"), &changes),
                 std::optional<std::string>());
        const std::string all = [&] {
            std::string lines;
            for (const std::string& line : changes) {
                lines += line + "\n";
            }
            return lines;
        }();
        for (const char* said :
             {"Compensation & Interest, entry 1 (01/01/2005 - 01/31/2005) is refused now and is "
              "left out of the ledger: Rate cannot be negative.",
              "Pension Offset: its last Calculate is refused now (1200 a month is not a valid "
              "number.); its figures are left out.",
              "Pension Offset, New Weekly Rate: $85.25 -> (none)",
              "Commutation: its last Calculate is refused now (15OOOO is not a valid number.)"}) {
            QVERIFY2(all.find(said) != std::string::npos, said);
        }
        QCOMPARE(claim.interest().ledger().EntryCount(), 0);
        QCOMPARE(claim.pension().text(frmpension::txtEmployerPercent), std::string("150"));
        // The worksheet of a window opens with its changes.
        const Worksheet sheet = *claim.pension().worksheet();
        QCOMPARE(sheet.lines()[0].text, std::string(kChangedOnOpeningHeading));
        QVERIFY(std::find(changes.begin(), changes.end(), sheet.lines()[1].text) != changes.end());
    }

    // A figure changed by hand in the file, or by a rule changed since,
    // opens as the rules make it, and the change is told.
    void changedFiguresAreTold_data() {
        columns<QString, QString, QString>({"at", "value", "told"});
        row("a result field", "/windows/frmSubrogation/fields/txtLienRecovery", "$9,999.00",
            "Subrogation, Lien Recovery: $9,999.00 -> 18,000.00");
        row("a ledger entry", "/windows/CalculationForm/ledger/0/shown/Net Amount", "1,703.59",
            "Compensation & Interest, entry 1, Net Amount: 1,703.59 -> 27,848.88");
        row("the recalled entry", "/windows/CalculationForm/fields/txtNetAmount", "9.99",
            "Compensation & Interest, Net Amount: 9.99 -> 3,621.12");
    }
    void changedFiguresAreTold() {
        QFETCH(QString, at);
        QFETCH(QString, value);
        QFETCH(QString, told);
        Claim source;
        fill(source);
        json saved = source.save();
        saved[json::json_pointer(at.toStdString())] = value.toStdString();
        Claim claim;
        FigureChanges changes;
        QCOMPARE(openClaimFile(claim, saved.dump(), &changes), std::optional<std::string>());
        QCOMPARE(changes, FigureChanges{told.toStdString()});
        QCOMPARE(figuresOf(claim), figuresOf(source));
    }

    // Undo Clear brings back the ledger, its counters, flags and fields
    // exactly, until the ledger changes again.
    void undoClear() {
        Claim c;
        fill(c);
        InterestModel& m = c.interest();
        const std::string before = figuresOf(c);
        QVERIFY(!m.canUndoClear());
        play(m, "!cmdClear");
        QVERIFY(m.canUndoClear());
        QCOMPARE(m.ledger().EntryCount(), 0);
        m.undoClear();
        QCOMPARE(figuresOf(c), before);
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
                             "Totals,,,1000.00,,,,32682.14,1334.62,2992.53,37009.29,36009.29\r\n"
                             "Rows added up,,,1000.00,,,,32682.15,1334.62,2992.53,37009.29,"
                             "36009.29\r\n"
                             "Totals less rows,,,0.00,,,,-0.01,0.00,0.00,0.00,0.00\r\n\"" +
                             std::string(kWhyCentsDiffer) + "\"\r\n"));
        // The same fields with tabs between them, none of them quoted.
        std::string tabbed;
        bool quoted = false;
        for (char ch : csv) {
            quoted = ch == '"' ? !quoted : quoted;
            if (ch != '"' && ch != '\r') {
                tabbed += ch == ',' && !quoted ? '\t' : ch;
            }
        }
        QCOMPARE(ledgerTabbed(m.ledger(), m.totals()), tabbed);
    }

    // A member an earlier version did not write reads as empty, one a later
    // version added is passed over; anything of the wrong kind is damage.
    void damagedFileChangesNothing_data() {
        // change: a JSON pointer and its new value, or raw text
        columns<QString, QString>({"change", "says"});
        row("not JSON", "raw:hello", "damaged or is not a claim file.\nIt is not complete JSON");
        row("truncated", "truncate", "damaged or is not a claim file.\nIt is not complete JSON");
        row("another format", "/format=\"spreadsheet\"",
            "not a claim file of Corvell's Calculator");
        row("newer version", "/version=3", "newer version");
        row("field of the wrong type", "/windows/frmPresentValue/fields/txtRate=5",
            "frmPresentValue.fields.txtRate is not text");
        row("state of the wrong type", "/windows/CalculationForm/state/CurrentEntry=[1]",
            "CalculationForm.state.CurrentEntry is not a number");
        row("entry input of the wrong type", "/windows/CalculationForm/ledger/0/typed/txtRate=null",
            "CalculationForm.ledger[1].typed.txtRate is not text");
        row("windows not a group", "/windows=[]", "The file.windows is not a group");
        row("first version cut short", "/version=1",
            "The file.windows.frmSocialSecurity.kept is missing");
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
        } else {
            json saved = source.save();
            const auto eq = c.find('=');
            json::json_pointer at(c.substr(0, eq));
            saved[at] = json::parse(c.substr(eq + 1));
            text = saved.dump();
        }
        Claim target;
        target.model(WindowId::frmSocialSecurity).setText(frmsocialsecurity::txtRate, "typed");
        const std::string before = figuresOf(target);
        const std::optional<std::string> said = openClaimFile(target, text);
        QVERIFY(said.has_value());
        QVERIFY2(said->find(says.toStdString()) != std::string::npos, said->c_str());
        // Only a newer version's file is not called damaged.
        QCOMPARE(said->rfind(kDamagedClaimFile, 0) == 0, !says.startsWith("newer"));
        QCOMPARE(figuresOf(target), before);
    }

    void tolerantReading() {
        Claim source;
        fill(source);
        json saved = source.save();
        saved["windows"]["FrmPension"]["fields"].erase("txtCaseCaption");
        saved["windows"]["FrmPension"]["fields"]["txtLaterField"] = "later";
        saved["windows"]["FrmPension"]["laterMember"] = {{"x", 1}};
        saved["windows"].erase("frmSocialSecurity");
        Claim claim;
        QCOMPARE(openClaimFile(claim, saved.dump()), std::optional<std::string>());
        QCOMPARE(claim.pension().text(frmpension::txtNewWeeklyRate),
                 source.pension().text(frmpension::txtNewWeeklyRate));
        QCOMPARE(claim.pension().text(frmpension::txtCaseCaption), std::string());
        QCOMPARE(claim.socialSecurity().text(frmsocialsecurity::txtRate), std::string());
    }
};

QTEST_APPLESS_MAIN(TestClaim)
#include "test_claim.moc"
