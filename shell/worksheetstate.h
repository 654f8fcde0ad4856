#pragma once
// What a window logged of its Calculate for its worksheet, as a claim file
// holds it: {"calculation": the record of the last Calculate that passed its
// checks, or null; "refusal": {"message", "field"} of the last Calculate when
// it was refused, or null}.

#include <nlohmann/json.hpp>
#include <vector>

#include "shell/formmodel.h"
#include "shell/savedstate.h"
#include "shell/worksheet.h"

namespace corvell {

nlohmann::json saveRefusal(const std::optional<CalculateRefusal>& refusal);
// The field must be one of `fields` (or empty: the refusal put the focus
// nowhere).
std::optional<CalculateRefusal> loadRefusal(const StateReader& saved,
                                            const std::vector<ControlName>& fields);

template <class Record>
nlohmann::json saveLog(const CalculationLog<Record>& log,
                       nlohmann::json (*saveRecord)(const Record&)) {
    return {{"calculation", log.record ? saveRecord(*log.record) : nlohmann::json()},
            {"refusal", saveRefusal(log.refusal)}};
}

template <class Record>
CalculationLog<Record> loadLog(const StateReader& saved, Record (*loadRecord)(const StateReader&),
                               const std::vector<ControlName>& fields) {
    saved.expectMembers({"calculation", "refusal"});
    CalculationLog<Record> log;
    const StateReader calculation = saved["calculation"];
    if (!calculation.json().is_null()) {
        log.record = loadRecord(calculation);
    }
    log.refusal = loadRefusal(saved["refusal"], fields);
    return log;
}

template <class Record>
void FormModel::keepLog(CalculationLog<Record>& log, const RecordFormat<Record>& format) {
    keep(
        "worksheet", [&log, format] { return saveLog(log, format.save); },
        [this, &log, format](const StateReader& saved) {
            log = loadLog(saved, format.load, fieldNames());
        });
    worksheet_ = [&log, format] { return format.show(log); };
}

}  // namespace corvell
