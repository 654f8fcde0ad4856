#pragma once
// A fuzz script played on a whole claim: each step types into a field or
// fires a handler on one of the seven calculator windows, as an operator
// moving between them would. Typed text is made valid UTF-8 first, as
// everything typed into a window is.

#include <string>
#include <vector>

#include "claim/claim.h"
#include "fuzz/script.h"

namespace corvell::fuzz {

struct ClaimAction {
    WindowId window;
    bool typing = false;
    ControlName control;
    Event event = Event::Click;
};

// Every field and every handler of every calculator window, in a fixed order.
std::vector<ClaimAction> claimActions(Claim& claim);
// The same, worked out once: every claim's windows have the same controls.
const std::vector<ClaimAction>& everyClaimAction();

// The action a step picks by its op byte.
const ClaimAction& pickAction(const std::vector<ClaimAction>& actions, const ScriptStep& step);

// What the step does to the claim: the action it picks (by its op byte),
// and the reaction of the handler it fired as text (empty for typing); a
// question the handler asks is answered as the step's text says
// (answersYes), and the text tells of both.
std::string playStep(Claim& claim, const std::vector<ClaimAction>& actions, const ScriptStep& step);

// The text with every byte that is not part of valid UTF-8 replaced by '?'.
std::string validUtf8(const std::string& text);

// A reaction as text, its printed report included, to compare two runs.
std::string describe(const Reaction& reaction);

}  // namespace corvell::fuzz
