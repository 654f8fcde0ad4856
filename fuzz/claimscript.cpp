#include "fuzz/claimscript.h"

namespace corvell::fuzz {

std::vector<ClaimAction> claimActions(Claim& claim) {
    std::vector<ClaimAction> actions;
    for (WindowId id : kCalculators) {
        FormModel& m = claim.model(id);
        for (ControlName field : m.fieldNames()) {
            actions.push_back({id, true, field, Event::Click});
        }
        for (ControlName control : m.controlNames()) {
            for (Event e : {Event::Click, Event::LostFocus, Event::Change, Event::DblClick}) {
                if (m.handles(control, e)) {
                    actions.push_back({id, false, control, e});
                }
            }
        }
    }
    return actions;
}

const std::vector<ClaimAction>& everyClaimAction() {
    static const std::vector<ClaimAction> actions = [] {
        Claim claim;
        return claimActions(claim);
    }();
    return actions;
}

const ClaimAction& pickAction(const std::vector<ClaimAction>& actions, const ScriptStep& step) {
    return actions[step.op % actions.size()];
}

std::string playStep(Claim& claim, const std::vector<ClaimAction>& actions,
                     const ScriptStep& step) {
    const ClaimAction& a = pickAction(actions, step);
    FormModel& m = claim.model(a.window);
    if (a.typing) {
        m.setText(a.control, validUtf8(step.text));
        return {};
    }
    Reaction reaction = m.fire(a.control, a.event, lineNumber(step.text));
    if (!reaction.question) {
        return describe(reaction);
    }
    Question question = std::move(*reaction.question);
    reaction.question.reset();
    const bool yes = answersYes(step.text);
    std::string said = "question " + question.text + " | " + question.title +
                       (yes ? " answered Yes\n" : " answered No\n");
    return said + describe(reaction.then(yes ? question.yes() : question.no()));
}

std::string validUtf8(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80           ? 1
                             : (c >> 5) == 0x6  ? 2
                             : (c >> 4) == 0xE  ? 3
                             : (c >> 3) == 0x1E ? 4
                                                : 0;
        bool ok = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; ok && k < length; ++k) {
            ok = (static_cast<unsigned char>(text[i + k]) >> 6) == 0x2;
        }
        // No overlong forms, surrogates or code points past U+10FFFF.
        if (ok && length > 1) {
            unsigned long cp = c & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k) {
                cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            }
            const unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
            ok = cp >= least[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        }
        if (ok) {
            out.append(text, i, length);
            i += length;
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}

std::string describe(const Reaction& r) {
    std::string d;
    if (r.message) {
        d += "message " + r.message->text + " | " + r.message->title + "\n";
    }
    if (r.focus) {
        d += "focus " + std::string(r.focus->control.name()) +
             (r.focus->caret == Caret::SelectAll ? " all\n" : " start\n");
    }
    if (r.show) {
        d += "show " + std::string(windowClassName(*r.show)) + "\n";
    }
    if (r.hideSelf || r.endProcess) {
        d += r.hideSelf ? "hide\n" : "end\n";
    }
    if (r.print) {
        d += "print " + r.print->title + " | " + r.print->caseCaption +
             (r.print->copiesApply ? " copies\n" : "\n");
        for (const std::string& line :
             r.print->make(LocalTime{2026, 12, 8, 9, 30, 0}).plainLines()) {
            d += line + "\n";
        }
    }
    return d;
}

}  // namespace corvell::fuzz
