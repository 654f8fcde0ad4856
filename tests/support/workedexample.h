#pragma once
// The interest window's worked example as the operator enters it: each field
// typed in tab order and left, then Calculate and Save.

#include <QString>
#include <QWidget>

#include "interest/calculationformcontrols.h"
#include "tests/support/windowtest.h"

namespace corvell::test {

// Its first period under the caption, calculated and saved; with `both`,
// then Next Entry and its second period, paid on 12/31/2005.
inline void saveWorkedExample(QWidget& w, const QString& caption, bool both) {
    using namespace calculationform;
    type(w, txtCaseCaption, caption);
    typeAll(w, {txtBeginningDate, txtEndingDate, txtRate, txtPaymentDate, txtPaymentAmount},
            {"01/01/2004", "12/31/2004", "500", "06/30/2005", "1000"}, cmdClear);
    click(w, cmdCalculate);
    click(w, cmdSave);
    if (both) {
        click(w, cmdNextEntry);
        typeAll(w, {txtEndingDate, txtRate, txtPaymentDate, txtPaymentAmount},
                {"01/28/2005", "500", "12/31/2005", ""}, cmdClear);
        click(w, cmdCalculate);
        click(w, cmdSave);
    }
}

}  // namespace corvell::test
