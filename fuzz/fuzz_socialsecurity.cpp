// The social security offset window under any script: a refused Calculate
// changes nothing, a new rate shown is the offset of the amounts as they
// read, and Clear empties every field.

#include <cstdint>

#include "fuzz/fuzzcheck.h"
#include "fuzz/session.h"
#include "fuzz/worksheetcheck.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/socialsecuritymodel.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/values.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::frmsocialsecurity;

namespace {

void check(const Fired& f) {
    const std::string what = f.describe();
    if (f.refused()) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    if (f.action.control == cmdSSCalculate) {
        const std::string changed = firstChange(f.before, f.after, {txtNewRate});
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        const double monthly = *CDbl(f.before.text(txtSocialSecurity));
        const double rate = *CDbl(f.before.text(txtRate));
        const double newRate = socialSecurityNewRate(monthly, rate);
        FUZZ_CHECK(showsValue(shown(f.after, txtNewRate), newRate, 2), "%s shows %s for %.17g",
                   what.c_str(), f.after.text(txtNewRate).c_str(), newRate);
    } else if (f.action.control == cmdSSClear) {
        for (ControlName name : {txtSocialSecurity, txtRate, txtNewRate, txtCaseCaption}) {
            FUZZ_CHECK(f.after.text(name).empty(), "%s left %s", what.c_str(),
                       nameOf(name).c_str());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SocialSecurityModel model;
    Window window{{{txtSocialSecurity},
                   {txtRate, Shows::Number},
                   {txtCaseCaption},
                   {txtNewRate, Shows::Number}},
                  {{cmdSSCalculate}, {cmdSSClear}, {cmdSSPrint}, {txtRate, Event::LostFocus}},
                  {}};
    Session session(model, std::move(window), withWorksheetCheck(model, cmdSSCalculate, check));
    Script script(data, size);
    session.run(script);
    return 0;
}
