// The ledger of the compensation-and-interest window under any sequence of
// calculate, save, next entry, recall (a double click on any line, those
// with no entry included), clear and print, with any dates, rates and
// payments, well past 100 entries: see interestwindow.h for the rules.
//
// Besides the window's own steps, one more step saves a whole entry the
// quick way, so that short inputs reach a full ledger: the text of the step
// is typed as the weeks of the period (with no ending date) and as its rate,
// then Calculate, Save and Next Entry are pressed.

#include <cstdint>

#include "fuzz/interestwindow.h"
#include "fuzz/worksheetcheck.h"
#include "interest/calculationformcontrols.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::calculationform;

namespace {

void saveWholeEntry(Session& session, const std::string& weeksAndRate) {
    session.type(txtEndingDate, "");
    session.type(txtWeeks, weeksAndRate);
    session.type(txtRate, weeksAndRate);
    for (ControlName button : {cmdCalculate, cmdSave, cmdNextEntry}) {
        session.fire(Action{button});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InterestModel model;
    InterestChecks checks(model);
    Session session(model, interestWindow(model),
                    withWorksheetCheck(
                        model, cmdCalculate, [&checks](const Fired& f) { checks.check(f); },
                        [&checks](const Fired& f) { return checks.changesWorksheet(f); }));
    const std::size_t fields = session.window().fields.size();
    const std::size_t actions = session.window().actions.size();
    Script script(data, size);
    while (const auto step = script.next()) {
        const Pick pick = pickStep(step->op, fields, actions + 1);
        if (pick.typing) {
            session.type(session.window().fields[pick.index].name, step->text);
        } else if (pick.index < actions) {
            session.fire(session.window().actions[pick.index], lineNumber(step->text),
                         answersYes(step->text));
        } else {
            saveWholeEntry(session, step->text);
        }
    }
    return 0;
}
