#include "fuzz/worksheetcheck.h"

#include "fuzz/fuzzcheck.h"
#include "tests/support/worksheetsteps.h"

namespace corvell::fuzz {

namespace {

// The worksheet as it stands, made and laid out without fault (`fired`: the
// handler that left it, none for the window as made).
Worksheet madeWorksheet(const FormModel& model, const Fired* fired) {
    std::optional<Worksheet> sheet = model.worksheet();
    FUZZ_CHECK(sheet.has_value(), "%s left no worksheet",
               fired ? fired->describe().c_str() : "making the window");
    (void)sheet->textLines();  // as the worksheet window lays it out
    const std::optional<std::string> wrong = firstWrongStep(*sheet);
    FUZZ_CHECK(!wrong, "%s left a worksheet step that does not key right: %s",
               fired ? fired->describe().c_str() : "making the window", wrong->c_str());
    return std::move(*sheet);
}

}  // namespace

// The handler's description goes into a message only when a check fails.
void checkWorksheet(const FormModel& model, const Fired& fired, ControlName calculate) {
    const Worksheet sheet = madeWorksheet(model, &fired);
    if (fired.action.control != calculate || fired.action.event != Event::Click) {
        return;
    }
    if (sheet.tellsOfRefusal()) {
        FUZZ_CHECK(fired.refused(), "%s: the worksheet tells of a refusal not shown",
                   fired.describe().c_str());
        return;
    }
    const std::vector<WorksheetResult> results = sheet.results();
    FUZZ_CHECK(!results.empty(), "%s: the worksheet states no result", fired.describe().c_str());
    for (const WorksheetResult& r : results) {
        FUZZ_CHECK(r.shown == model.text(r.field), "%s: the worksheet states %s %s, the window %s",
                   fired.describe().c_str(), r.label.c_str(), r.shown.c_str(),
                   model.text(r.field).c_str());
    }
    FUZZ_CHECK(sheet.lines().back().result == results.back(), "%s: the worksheet ends with %s",
               fired.describe().c_str(), sheet.textLines().back().c_str());
}

WindowCheck withWorksheetCheck(const FormModel& model, ControlName calculate, WindowCheck check,
                               WorksheetMayChange mayChange) {
    if (mayChange) {
        (void)madeWorksheet(model, nullptr);
    }
    return [&model, calculate, check = std::move(check),
            mayChange = std::move(mayChange)](const Fired& fired) {
        if (check) {
            check(fired);
        }
        const bool calculates =
            fired.action.control == calculate && fired.action.event == Event::Click;
        if (!mayChange || calculates || mayChange(fired)) {
            checkWorksheet(model, fired, calculate);
        }
    };
}

int runWithWorksheetCheck(FormModel& model, Window window, ControlName calculate, WindowCheck check,
                          const std::uint8_t* data, std::size_t size) {
    Session session(model, std::move(window),
                    withWorksheetCheck(model, calculate, std::move(check)));
    Script script(data, size);
    session.run(script);
    return 0;
}

}  // namespace corvell::fuzz
