#include "claim/claim.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "claim/claimversions.h"
#include "interest/calculationformcontrols.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

FormModel& Claim::model(WindowId window) {
    return const_cast<FormModel&>(std::as_const(*this).model(window));
}

const FormModel& Claim::model(WindowId window) const {
    switch (window) {
        case WindowId::CalculationForm:
            return interest_;
        case WindowId::frmPresentValue:
            return presentValue_;
        case WindowId::frmSocialSecurity:
            return socialSecurity_;
        case WindowId::FrmPension:
            return pension_;
        case WindowId::frmOffset:
            return lumpSum_;
        case WindowId::frmCommutation:
            return commutation_;
        case WindowId::frmSubrogation:
            return subrogation_;
        case WindowId::BeginForm:
            break;
    }
    throw std::out_of_range("the main menu keeps nothing for a claim");
}

nlohmann::json Claim::save() const {
    nlohmann::json windows = nlohmann::json::object();
    for (WindowId id : kCalculators) {
        windows[std::string(windowClassName(id))] = savedWindowJson(model(id).save());
    }
    return {{"format", kClaimFormat}, {"version", kClaimVersion}, {"windows", windows}};
}

FigureChanges Claim::open(const SavedClaim& saved) {
    FigureChanges changes;
    for (std::size_t i = 0; i < std::size(kCalculators); ++i) {
        model(kCalculators[i]).reopen(saved.windows[i], changes);
    }
    return changes;
}

void Claim::clear() {
    for (WindowId id : kCalculators) {
        model(id).startAfresh();
    }
}

std::string Claim::caseCaption(WindowId window) const {
    // Every calculator window's caption field has the same name.
    const ControlName caption = calculationform::txtCaseCaption;
    if (window != WindowId::BeginForm && !trim(model(window).text(caption)).empty()) {
        return model(window).text(caption);
    }
    for (WindowId id : kCalculators) {
        if (!trim(model(id).text(caption)).empty()) {
            return model(id).text(caption);
        }
    }
    return {};
}

std::string claimFileText(const Claim& claim) {
    return claim.save().dump(2) + "\n";
}

namespace {

// A claim file that a newer version of the program wrote.
struct NewerClaimFile : StateError {
    using StateError::StateError;
};

// Every window of the saved claim, brought up to this version; StateError
// at the first thing wrong.
SavedClaim readWindows(nlohmann::json saved) {
    const StateReader file(saved, "The file");
    if (!saved.is_object() || !saved.contains("format") ||
        saved["format"] != nlohmann::json(kClaimFormat)) {
        throw StateError("This is not a claim file of Corvell's Calculator.");
    }
    const std::int64_t version = file["version"].whole(1, 1'000'000);
    if (version > kClaimVersion) {
        throw NewerClaimFile(
            "The claim was saved by a newer version of Corvell's Calculator (claim "
            "file version " +
            std::to_string(version) + "); this version reads version " +
            std::to_string(kClaimVersion) + ".");
    }
    if (version == 1) {
        saved = fromVersion1(saved);
    }
    const StateReader windows = StateReader(saved, "The file")["windows"];
    if (!windows.json().is_object()) {
        windows.fail("is not a group of named values");
    }
    SavedClaim claim;
    for (std::size_t i = 0; i < std::size(kCalculators); ++i) {
        const std::string name(windowClassName(kCalculators[i]));
        // A window an older version did not have opens as at start.
        if (const auto it = windows.json().find(name); it != windows.json().end()) {
            claim.windows[i] = readSavedWindow(*it, name);
        } else {
            claim.windows[i] = SavedWindow{};
        }
    }
    return claim;
}

// What the operator is told of a file that is not a sound claim file: the
// plain fact, then what was found wrong, for whoever looks into it.
std::string damaged(std::string_view detail) {
    return std::string(kDamagedClaimFile) + "\n" + std::string(detail);
}

}  // namespace

std::variant<SavedClaim, std::string> readClaimFile(std::string_view text) {
    nlohmann::json saved;
    try {
        saved = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        // Qt-free, plain words: drop the library's own tag before the reason.
        std::string reason = e.what();
        if (const auto tag = reason.find("] "); tag != std::string::npos) {
            reason.erase(0, tag + 2);
        }
        return damaged("It is not complete JSON (" + reason + ").");
    }
    try {
        return readWindows(std::move(saved));
    } catch (const NewerClaimFile& e) {
        return std::string(e.what());
    } catch (const StateError& e) {
        return damaged(e.what());
    }
}

std::optional<std::string> openClaimFile(Claim& claim, std::string_view text,
                                         FigureChanges* changes) {
    std::variant<SavedClaim, std::string> read = readClaimFile(text);
    if (auto* wrong = std::get_if<std::string>(&read)) {
        return std::move(*wrong);
    }
    FigureChanges changed = claim.open(std::get<SavedClaim>(read));
    if (changes) {
        *changes = std::move(changed);
    }
    return std::nullopt;
}

}  // namespace corvell
