#include "fuzz/expectedanswer.h"

#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "shell/format.h"

namespace corvell::fuzz {
namespace {

bool answers(const Fired& f, const ExpectedRefusal& r) {
    return f.reaction.message->text == r.message &&
           (r.field ? f.focusOn(*r.field) : !f.reaction.focus.has_value());
}

std::string describe(const std::optional<ExpectedRefusal>& r) {
    if (!r) {
        return "no refusal";
    }
    return "\"" + r->message + "\" on " + (r->field ? nameOf(*r->field) : std::string("no field"));
}

}  // namespace

Expected Expected::refuse(std::string message, std::optional<ControlName> field) {
    return Expected{ExpectedRefusal{std::move(message), field}, {}};
}

ExpectedRefusal notADate(std::string_view text, ControlName field) {
    return ExpectedRefusal{std::string(text) + " is not a valid date.", field};
}

FieldNumber fieldAsRead(const NumberRule& rule, std::string_view text) {
    const std::optional<double> number = typedNumber(text, rule.percentSign);
    const auto refuse = [&rule](std::string message) {
        return FieldNumber{0, ExpectedRefusal{std::move(message), rule.field}};
    };
    if (!number) {
        return refuse(std::string(text) + " is not a valid number.");
    }
    const std::string label(rule.label);
    if (rule.range == Range::NotNegative && *number < 0) {
        return refuse(label + " cannot be negative.");
    }
    if (rule.range == Range::Percentage && (*number < 0 || *number > 100)) {
        return refuse(label + " must be from 0 to 100.");
    }
    return FieldNumber{*number, std::nullopt};
}

bool expectAnswer(const Fired& f, const Expected& expected) {
    if (!f.refused()) {
        FUZZ_CHECK(!expected.refusal, "%s went through; the rules make it %s", f.describe().c_str(),
                   describe(expected.refusal).c_str());
        return false;
    }
    const bool right = (expected.refusal && answers(f, *expected.refusal)) ||
                       (expected.orRefusal && answers(f, *expected.orRefusal));
    FUZZ_CHECK(right, "%s focusing %s; the rules make it %s%s%s", f.describe().c_str(),
               f.reaction.focus ? nameOf(f.reaction.focus->control).c_str() : "nothing",
               describe(expected.refusal).c_str(), expected.orRefusal ? " or " : "",
               expected.orRefusal ? describe(expected.orRefusal).c_str() : "");
    return true;
}

void expectRateFieldLeft(const Fired& f, const NumberRule& rule) {
    const std::string& typed = f.before.text(rule.field);
    const FieldNumber read = fieldAsRead(rule, typed);
    if (expectAnswer(f, Expected::of(read.refusal))) {
        FUZZ_CHECK(f.after.text(rule.field) == typed, "%s changed \"%s\" to \"%s\"",
                   f.describe().c_str(), typed.c_str(), f.after.text(rule.field).c_str());
        return;
    }
    // Blanks read as 0 but are no number to write out.
    const std::optional<double> number = wholeTextNumber(typed);
    const std::string written = number ? Format(*number, "###0.00") : typed;
    FUZZ_CHECK(f.after.text(rule.field) == written, "%s wrote \"%s\" for \"%s\", not \"%s\"",
               f.describe().c_str(), f.after.text(rule.field).c_str(), typed.c_str(),
               written.c_str());
}

}  // namespace corvell::fuzz
