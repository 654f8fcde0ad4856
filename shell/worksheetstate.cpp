#include "shell/worksheetstate.h"

#include <algorithm>

namespace corvell {

nlohmann::json saveRefusal(const std::optional<CalculateRefusal>& refusal) {
    if (!refusal) {
        return nullptr;
    }
    return {{"message", refusal->message}, {"field", refusal->field}};
}

std::optional<CalculateRefusal> loadRefusal(const StateReader& saved,
                                            const std::vector<ControlName>& fields) {
    if (saved.json().is_null()) {
        return std::nullopt;
    }
    saved.expectMembers({"message", "field"});
    CalculateRefusal refusal{saved["message"].text(), saved["field"].text()};
    const bool known = refusal.field.empty() ||
                       std::any_of(fields.begin(), fields.end(),
                                   [&](ControlName name) { return name.name() == refusal.field; });
    if (!known) {
        saved["field"].fail("is not a field of this window");
    }
    return refusal;
}

}  // namespace corvell
