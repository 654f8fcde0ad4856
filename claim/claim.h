#pragma once
// A claim: everything the program holds for one claim, that is the model of
// every calculator window, and the claim file that keeps it. The models live
// here for the whole program run; the windows show and drive them.
//
// A claim file is JSON in UTF-8 (docs/claim-file.md): a format name, a
// version, and what the operator typed into each calculator window (the
// ledger's entries included). Opening one runs the windows' own rules on
// what was typed; the figures it holds are only compared with the new ones.

#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "commutation/commutationmodel.h"
#include "interest/interestmodel.h"
#include "offsets/lumpsummodel.h"
#include "offsets/pensionmodel.h"
#include "offsets/socialsecuritymodel.h"
#include "presentvalue/presentvaluemodel.h"
#include "subrogation/subrogationmodel.h"

namespace corvell {

inline constexpr std::string_view kClaimFormat = "corvells-calculator-claim";
inline constexpr int kClaimVersion = 2;

// The first line of what opening a file that is not a sound claim file says;
// a line saying what was found wrong follows it.
inline constexpr std::string_view kDamagedClaimFile = "The file is damaged or is not a claim file.";

// A claim file as read, each calculator window's part in the order of
// kCalculators.
struct SavedClaim {
    std::array<SavedWindow, std::size(kCalculators)> windows;
};

class Claim {
public:
    Claim() = default;
    Claim(const Claim&) = delete;
    Claim& operator=(const Claim&) = delete;

    // The model of a calculator window (std::out_of_range for the main menu).
    FormModel& model(WindowId window);

    // Each window's model, as its window takes it.
    InterestModel& interest() { return interest_; }
    PresentValueModel& presentValue() { return presentValue_; }
    SocialSecurityModel& socialSecurity() { return socialSecurity_; }
    PensionModel& pension() { return pension_; }
    LumpSumModel& lumpSum() { return lumpSum_; }
    CommutationModel& commutation() { return commutation_; }
    SubrogationModel& subrogation() { return subrogation_; }

    // The whole claim as its file holds it.
    nlohmann::json save() const;
    // Every window rebuilt from the saved claim; the figures that came out
    // otherwise than they were saved, window by window.
    FigureChanges open(const SavedClaim& saved);
    // Every window as when the program starts.
    void clear();

    // The case caption that names the claim: that of `window` when it has
    // one, else the first a calculator window holds; empty when none does.
    std::string caseCaption(WindowId window) const;

private:
    const FormModel& model(WindowId window) const;

    InterestModel interest_;
    PresentValueModel presentValue_;
    SocialSecurityModel socialSecurity_;
    PensionModel pension_;
    LumpSumModel lumpSum_;
    CommutationModel commutation_;
    SubrogationModel subrogation_;
};

// The claim as the text of a claim file.
std::string claimFileText(const Claim& claim);
// A claim file's text read (an older version's brought up to date), or what
// is wrong with it in the operator's words.
std::variant<SavedClaim, std::string> readClaimFile(std::string_view text);
// The same, opened into `claim` (nothing changes when the file is refused:
// the answer says why). The changed figures go to `changes` when given.
std::optional<std::string> openClaimFile(Claim& claim, std::string_view text,
                                         FigureChanges* changes = nullptr);

}  // namespace corvell
