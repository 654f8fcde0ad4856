#pragma once
// A calculator window as a claim file keeps it: what the operator typed and
// the little state typing cannot rebuild. The figures are kept only for
// reference: opening a claim runs the window's own Calculate again on what
// was typed, and any figure that comes out otherwise than it was shown is
// told to the operator as a change.

#include <map>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/controlname.h"
#include "shell/navigation.h"

namespace corvell {

// Field texts by the field's name.
using FieldTexts = std::map<std::string, std::string, std::less<>>;

// The text of `field` in `texts`; a field not there reads as empty.
const std::string& textOf(const FieldTexts& texts, std::string_view field);

// The last Calculate that passed its checks: the fields as they stood just
// before it (what it read), and the fields that still show a figure it wrote.
struct CalculationTexts {
    FieldTexts typed;
    std::vector<std::string> figures;
};

// A saved ledger entry: its inputs as typed, and its figures as the ledger
// showed them (for reference).
struct SavedEntry {
    FieldTexts typed;
    FieldTexts shown;
    // 0 for an entry added after the last; otherwise the earlier entry it
    // was saved over.
    int entry = 0;
};

using StateValue = std::variant<bool, double, std::string>;

// A value of a window's state; `otherwise` when it is missing or of another kind.
template <class T>
T stateOf(const std::map<std::string, StateValue, std::less<>>& state, std::string_view key,
          T otherwise) {
    const auto it = state.find(key);
    const T* value = it == state.end() ? nullptr : std::get_if<T>(&it->second);
    return value ? *value : otherwise;
}

struct SavedWindow {
    FieldTexts fields;
    std::vector<std::string> disabled;  // the buttons that were disabled
    std::optional<CalculationTexts> calculation;
    // The Calculates refused since then, oldest first: the fields before each.
    std::vector<FieldTexts> refused;
    // The window's own little state: numbers, flags and texts by name.
    std::map<std::string, StateValue, std::less<>> state;
    // The interest window's ledger: its entries' saves in the order they
    // were made (an entry saved over after later ones were figured against
    // it is there twice).
    std::vector<SavedEntry> ledger;
};

// The heading over them at the head of a worksheet.
inline constexpr std::string_view kChangedOnOpeningHeading =
    "Figures that changed when the claim was opened";

// What opening a claim found different from what it showed when saved, one
// line each ("Compensation & Interest, entry 12, Net: 1,703.59 -> 960.59").
using FigureChanges = std::vector<std::string>;

// A window as the operator names it: "Compensation & Interest", "Pension Offset".
std::string windowName(WindowId id);
// A field as a change names it: "New Weekly Rate" for txtNewWeeklyRate.
std::string fieldName(ControlName field);
// "<where>: <was> -> <now>", an empty figure written "(none)".
std::string changeLine(std::string_view where, std::string_view was, std::string_view now);

nlohmann::json savedWindowJson(const SavedWindow& window);
// Reads what a claim file holds of one window. A member missing reads as
// empty and one not known is passed over; a member of the wrong kind throws
// StateError naming it, under `path`.
SavedWindow readSavedWindow(const nlohmann::json& saved, const std::string& path);

}  // namespace corvell
