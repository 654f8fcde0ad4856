// The compensation-and-interest window under any script of typing, leaving
// fields, Calculate, Save, Print and Clear: see interestwindow.h for what
// each handler must keep.

#include <cstdint>
#include <vector>

#include "fuzz/interestwindow.h"
#include "fuzz/worksheetcheck.h"
#include "interest/calculationformcontrols.h"

using namespace corvell;
using namespace corvell::fuzz;
using namespace corvell::calculationform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InterestModel model;
    Window window = interestWindow(model);
    std::erase_if(window.actions,
                  [](const Action& a) { return a.control == cmdNextEntry || a.control == List1; });
    InterestChecks checks(model);
    return runWithWorksheetCheck(
        model, std::move(window), cmdCalculate, [&checks](const Fired& f) { checks.check(f); },
        data, size);
}
