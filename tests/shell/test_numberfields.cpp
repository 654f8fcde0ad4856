// Every number field of every calculator window, from each window's own list
// of them, read as typed or refused: a typo or a number that cannot be true is
// refused where Calculate reads the field, with the field focused and its
// text selected, and nothing changed; every way of writing a number the
// operator may use reads as that number.

#include <QRegularExpression>
#include <QTest>

#include "claim/claim.h"
#include "tests/support/play.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

Q_DECLARE_METATYPE(corvell::WindowId)

namespace {

// A worked example of a window that reads the fields it names: typed and
// calculated once, then left so that the next Calculate reads them again.
struct Example {
    WindowId window;
    const char* calculate;
    const char* script;
    QStringList fields;
    // The message for -1, where the window checks the field's range itself.
    QStringList minusOne = {};
};

const Example kExamples[] = {
    {WindowId::CalculationForm,
     "cmdCalculate",
     "txtBeginningDate=01/01/2004|txtEndingDate=12/31/2004|txtRate=500|"
     "txtPaymentDate=06/30/2005|txtPaymentAmount=1000|!cmdCalculate",
     {"txtRate", "txtPaymentAmount"}},
    {WindowId::CalculationForm,
     "cmdCalculate",
     "txtBeginningDate=01/01/2005|txtWeeks=10|txtRate=500|!cmdCalculate|txtEndingDate=",
     {"txtWeeks"},
     {"Weeks must be more than 0 and at most 4681."}},
    {WindowId::frmPresentValue,
     "cmdPVCalculate",
     "txtFromDate=01/01/2005|txtToDate=01/01/2006|txtRate=500|txtInterestRate=6|!cmdPVCalculate",
     {"txtRate", "txtInterestRate"},
     {"", "Interest Rate is out of range."}},
    {WindowId::frmPresentValue,
     "cmdPVCalculate",
     "txtFromDate=01/01/2005|txtWeeks=52|txtRate=500|!cmdPVCalculate|txtToDate=",
     {"txtWeeks"},
     {"Weeks must be more than 0 and at most 4681."}},
    {WindowId::frmPresentValue,
     "cmdPVCalculate",
     "txtFromDate=01/01/2005|txtAge=45|txtGender=M|txtRate=500|!cmdPVCalculate",
     {"txtAge"},
     {"-1 is lower than age table.  Use age 1 or older."}},
    {WindowId::frmSocialSecurity,
     "cmdSSCalculate",
     "txtSocialSecurity=1000|txtRate=500|!cmdSSCalculate",
     {"txtSocialSecurity", "txtRate"}},
    {WindowId::FrmPension,
     "cmdSSCalculate",
     "txtMonthlyPension=1200|txtEmployerPercent=60|txtRate=500|!cmdSSCalculate",
     {"txtMonthlyPension", "txtEmployerPercent", "txtRate"}},
    {WindowId::frmOffset,
     "cmdCommCalculate",
     "txtBeginningDate=01/05/2004|txtRate=400|txtNetOffsetAmount=5000|!cmdCommCalculate",
     {"txtRate", "txtNetOffsetAmount"}},
    {WindowId::frmCommutation,
     "cmdCommCalculate",
     "txtBeginningDate=01/05/2004|txtCommWeeks=104|txtCommAmount=52000|!cmdCommCalculate",
     {"txtCommWeeks", "txtCommAmount"},
     {"Commuted Weeks must be more than 0 and at most 4681."}},
    {WindowId::frmSubrogation,
     "cmdSSCalculate",
     "txtTotalRecovery=100000|txtCostsAndFees=40000|txtRate=450|txtLienAmount=30000|"
     "!cmdSSCalculate",
     {"txtTotalRecovery", "txtCostsAndFees", "txtRate", "txtLienAmount"}},
    {WindowId::frmSubrogation,
     "cmdSSCalculate",
     "txtTotalRecovery=100000|txtCostsAndFees=40000|txtRate=450|txtLienRecovery=20000|"
     "!cmdSSCalculate",
     {"txtLienRecovery"}},
};

const Example* exampleReading(WindowId window, const QString& field) {
    for (const Example& e : kExamples) {
        if (e.window == window && e.fields.contains(field)) {
            return &e;
        }
    }
    return nullptr;
}

// Everything an operator sees of a window.
QStringList shown(const FormModel& m) {
    QStringList all;
    for (ControlName c : m.controlNames()) {
        all << qtName(c) + "=" + QString::fromStdString(m.text(c)) +
                   (m.isEnabled(c) ? "" : " (disabled)");
        for (const std::string& line : m.lines(c)) {
            all << QString::fromStdString(line);
        }
    }
    return all;
}

struct Outcome {
    QString message;
    QString focus;
    bool selectsAll = false;
    QStringList shown;
};

// The example, then `typed` in the field and Calculate again.
Outcome calculateWith(const Example& e, const QString& field, const QString& typed,
                      QStringList* before = nullptr) {
    Claim claim;
    FormModel& m = claim.model(e.window);
    play(m, e.script);
    if (before) {
        *before = shown(m);
    }
    m.setText(named(m, field), typed.toStdString());
    const Reaction r = m.fire(named(m, e.calculate), Event::Click);
    Outcome o;
    o.message = r.message ? QString::fromStdString(r.message->text) : QString();
    if (r.focus) {
        o.focus = qtName(r.focus->control);
        o.selectsAll = r.focus->caret == Caret::SelectAll;
    }
    o.shown = shown(m);
    return o;
}

// Each number field of each window, with the example that reads it.
template <class Row>
void eachNumberField(Row row) {
    for (const WindowId window :
         {WindowId::CalculationForm, WindowId::frmPresentValue, WindowId::frmSocialSecurity,
          WindowId::FrmPension, WindowId::frmOffset, WindowId::frmCommutation,
          WindowId::frmSubrogation}) {
        Claim claim;
        for (const NumberField& f : claim.model(window).numberFields()) {
            const QString name = qtName(f.control);
            const Example* e = exampleReading(window, name);
            if (e == nullptr) {
                QFAIL(qPrintable("no example reads " + name));
            }
            row(*e, f, name);
        }
    }
}

}  // namespace

Q_DECLARE_METATYPE(const Example*)

class TestNumberFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refused_data() {
        columns<const Example*, QString, QString, QString>(
            {"example", "field", "typed", "message"});
        eachNumberField([](const Example& e, const NumberField& f, const QString& name) {
            for (const char* typo : {"1O00", "5OO", "7S0", "$1,25O", "12 .5x", "abc", "1e309"}) {
                QTest::addRow("%s %s", qPrintable(name), typo)
                    << &e << name << QString(typo) << QString(typo) + " is not a valid number.";
            }
            const QString label = QString::fromUtf8(f.label.data(), qsizetype(f.label.size()));
            QString minusOne;
            switch (f.bounds) {
                case Bounds::NotNegative:
                    minusOne = label + " cannot be negative.";
                    break;
                case Bounds::Percentage:
                    minusOne = label + " must be from 0 to 100.";
                    QTest::addRow("%s 101", qPrintable(name))
                        << &e << name << QString("101") << minusOne;
                    break;
                case Bounds::CheckedByWindow:
                    minusOne = e.minusOne.value(qsizetype(e.fields.indexOf(name)));
                    break;
            }
            QTest::addRow("%s -1", qPrintable(name)) << &e << name << QString("-1") << minusOne;
        });
    }
    void refused() {
        QFETCH(const Example*, example);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QVERIFY(!message.isEmpty());
        QStringList before;
        const Outcome o = calculateWith(*example, field, typed, &before);
        QCOMPARE(o.message, message);
        QCOMPARE(o.focus, field);
        QVERIFY(o.selectsAll);
        before.replaceInStrings(QRegularExpression("^" + field + "=.*"), field + "=" + typed);
        QCOMPARE(o.shown, before);
    }

    // Grouped, with a dollar sign or with blanks around it, a number reads
    // as written plainly: the window shows the same, says the same, or
    // refuses its range alike; a percentage field takes a percent sign.
    void accepted_data() {
        columns<const Example*, QString, QString, QString>({"example", "field", "typed", "plain"});
        eachNumberField([](const Example& e, const NumberField& f, const QString& name) {
            for (const char* typed : {"1,250.00", "$1,250", " 1250 "}) {
                QTest::addRow("%s %s", qPrintable(name), typed)
                    << &e << name << QString(typed) << QString("1250");
            }
            if (f.percentSign) {
                QTest::addRow("%s 60%%", qPrintable(name))
                    << &e << name << QString("60%") << QString("60");
            }
        });
    }
    void accepted() {
        QFETCH(const Example*, example);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, plain);
        Outcome o = calculateWith(*example, field, typed);
        const Outcome p = calculateWith(*example, field, plain);
        QVERIFY2(!o.message.endsWith("is not a valid number."), qPrintable(o.message));
        // Where the window quotes the field or leaves it as typed, it does so
        // for the plain number alike.
        if (o.message.startsWith(typed)) {
            o.message = plain + o.message.mid(typed.size());
        }
        o.shown.replaceInStrings(field + "=" + typed, field + "=" + plain);
        QCOMPARE(o.message, p.message);
        QCOMPARE(o.focus, p.focus);
        QCOMPARE(o.shown, p.shown);
    }

    // Amounts that each read well but together would give a figure that
    // cannot be paid are refused in words, and the last figures stay.
    void impossibleResults_data() {
        columns<WindowId, QString, QString, QString>({"window", "example", "then", "message"});
        const QString subrogation =
            "txtTotalRecovery=100000|txtCostsAndFees=40000|txtRate=450|txtLienAmount=30000|"
            "!cmdSSCalculate";
        row("lien above the total", WindowId::frmSubrogation, subrogation,
            "txtTotalRecovery=20000|txtCostsAndFees=|!cmdSSCalculate",
            "The Lien Amount of 30,000.00 is larger than the Total Recovery of 20,000.00: no "
            "recovery is left to stand for weekly compensation.");
        row("agreed recovery above the total", WindowId::frmSubrogation, subrogation,
            "txtLienAmount=|txtLienRecovery=$120,000|!cmdSSCalculate",
            "The Lien Recovery of 120,000.00 is larger than the Total Recovery of 100,000.00: no "
            "recovery is left to stand for weekly compensation.");
        row("costs above the total", WindowId::frmSubrogation, subrogation,
            "txtCostsAndFees=100000.01|!cmdSSCalculate",
            "The Costs and Fees of 100,000.01 are larger than the Total Recovery of 100,000.00: "
            "the lien holder would recover less than nothing.");
    }
    void impossibleResults() {
        QFETCH(WindowId, window);
        QFETCH(QString, example);
        QFETCH(QString, then);
        Claim claim;
        FormModel& m = claim.model(window);
        QCOMPARE(play(m, example), QStringList());
        std::vector<std::string> results;
        for (ControlName c : m.fieldNames()) {
            results.push_back(m.text(c));
        }
        QTEST(play(m, then).join(""), "message");
        for (ControlName c : m.fieldNames()) {
            if (!then.contains(qtName(c) + "=")) {
                QCOMPARE(m.text(c), results.front());
            }
            results.erase(results.begin());
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberFields)
#include "test_numberfields.moc"
