#include <QLabel>
#include <QTest>

#include "commutation/frmcommutationcontrols.h"
#include "interest/calculationformcontrols.h"
#include "offsets/frmoffsetcontrols.h"
#include "offsets/frmpensioncontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "presentvalue/frmpresentvaluecontrols.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"

Q_DECLARE_METATYPE(corvell::WindowId)

using namespace corvell;
using namespace corvell::test;

namespace {

constexpr WindowId kAll[] = {WindowId::BeginForm,       WindowId::CalculationForm,
                             WindowId::frmPresentValue, WindowId::frmSocialSecurity,
                             WindowId::FrmPension,      WindowId::frmOffset,
                             WindowId::frmCommutation,  WindowId::frmSubrogation};

}  // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every caption can be read whole: none is cut off by its label's width.
    void captionsFit() {
        WindowTest t;
        for (WindowId id : kAll) {
            QWidget& w = t.open(id);
            for (QLabel* label : w.findChildren<QLabel*>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(needed <= label->width() || label->wordWrap(),
                         qPrintable(w.objectName() + "." + label->objectName()));
            }
        }
    }

    // Screen readers announce each field by its label's caption and each
    // button by its own.
    void everyControlHasAnAccessibleName() {
        WindowTest t;
        for (WindowId id : kAll) {
            QWidget& w = t.open(id);
            for (QWidget* child :
                 ui::clientArea(w).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool input = qobject_cast<QLineEdit*>(child) != nullptr ||
                                   qobject_cast<QPlainTextEdit*>(child) != nullptr;
                auto* b = qobject_cast<QPushButton*>(child);
                if (input) {
                    QVERIFY2(!child->accessibleName().isEmpty(),
                             qPrintable(w.objectName() + "." + child->objectName()));
                }
                if (b != nullptr) {
                    QCOMPARE(b->accessibleName(), b->text());
                }
            }
        }
    }

    void fieldsAreNamedByTheirLabels_data() {
        columns<WindowId, ControlName, QString>({"window", "field", "name"});
        row("interest begin", WindowId::CalculationForm, calculationform::txtBeginningDate,
            "Beginning Date");
        row("interest payment", WindowId::CalculationForm, calculationform::txtPaymentAmount,
            "Payment Amt.");
        row("interest caption", WindowId::CalculationForm, calculationform::txtCaseCaption,
            "Case Caption");
        row("pv from", WindowId::frmPresentValue, frmpresentvalue::txtFromDate, "From Date");
        row("pv gender", WindowId::frmPresentValue, frmpresentvalue::txtGender, "M/F");
        row("pv present value", WindowId::frmPresentValue, frmpresentvalue::txtPresentValue,
            "Present Value");
        row("ss amount", WindowId::frmSocialSecurity, frmsocialsecurity::txtSocialSecurity,
            "Net Social Security Amount");
        row("pension percent", WindowId::FrmPension, frmpension::txtEmployerPercent, "Employer %");
        row("lump sum weeks", WindowId::frmOffset, frmoffset::txtComputedWeeks, "Computed Weeks");
        row("lump sum remainder", WindowId::frmOffset, frmoffset::txtRemainder, "Remainder");
        row("commutation weeks", WindowId::frmCommutation, frmcommutation::txtCommWeeks,
            "Comm Weeks");
        row("subrogation lien recovery", WindowId::frmSubrogation, frmsubrogation::txtLienRecovery,
            "Lien Recovery");
        row("subrogation weeks", WindowId::frmSubrogation, frmsubrogation::txtForWeeks,
            "For Weeks / Days");
    }
    void fieldsAreNamedByTheirLabels() {
        QFETCH(WindowId, window);
        QFETCH(ControlName, field);
        WindowTest t;
        QWidget& w = t.open(window);
        QTEST(control(w, field)->accessibleName(), "name");
    }
};

QTEST_MAIN(TestWindowLook)
#include "test_windowlook.moc"
