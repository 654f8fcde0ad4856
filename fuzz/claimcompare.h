#pragma once
// Two claims told apart window by window, by all an operator could see of
// them: what each window shows (every control's text, enabled state and
// list lines), what it keeps in a claim file (FormModel::save, compared
// member by member rather than as JSON), and the unrounded values its model
// keeps for its later commands and reports, compared exactly: a payment that
// a claim file rounded to cents would open as another amount in memory, even
// though both claims would save it the same way.

#include <string>

#include "claim/claim.h"

namespace corvell::fuzz {

// What the two claims' window `id` differs in, in words; empty when nothing.
std::string windowDifference(Claim& a, Claim& b, WindowId id);

// The first difference over every calculator window; empty when none.
std::string claimDifference(Claim& a, Claim& b);

}  // namespace corvell::fuzz
