#include "fuzz/worksheetcheck.h"

#include "fuzz/fuzzcheck.h"

namespace corvell::fuzz {

void checkWorksheet(const FormModel& model, const Fired& fired, ControlName calculate) {
    const std::string what = fired.describe();
    const std::optional<Worksheet> sheet = model.worksheet();
    FUZZ_CHECK(sheet.has_value(), "%s left no worksheet", what.c_str());
    const std::vector<std::string> lines = sheet->textLines();
    if (fired.action.control != calculate || fired.action.event != Event::Click) {
        return;
    }
    if (sheet->tellsOfRefusal()) {
        FUZZ_CHECK(fired.refused(), "%s: the worksheet tells of a refusal not shown", what.c_str());
        return;
    }
    const std::vector<WorksheetResult> results = sheet->results();
    FUZZ_CHECK(!results.empty(), "%s: the worksheet states no result", what.c_str());
    for (const WorksheetResult& r : results) {
        FUZZ_CHECK(r.shown == model.text(r.field), "%s: the worksheet states %s %s, the window %s",
                   what.c_str(), r.label.c_str(), r.shown.c_str(), model.text(r.field).c_str());
    }
    FUZZ_CHECK(sheet->lines().back().result == results.back(), "%s: the worksheet ends with %s",
               what.c_str(), lines.back().c_str());
}

WindowCheck withWorksheetCheck(const FormModel& model, ControlName calculate, WindowCheck check) {
    return [&model, calculate, check = std::move(check)](const Fired& fired) {
        if (check) {
            check(fired);
        }
        checkWorksheet(model, fired, calculate);
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
