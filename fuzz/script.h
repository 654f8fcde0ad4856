#pragma once
// A fuzz input read as a script an operator might have followed, one step a
// line: the first byte of the line chooses the step, the rest of the line is
// the text the step uses (what is typed, or a list line number). Seeds stay
// readable ("c500" types 500 into the third field, "A" presses the first
// button) and any bytes at all still make a script.
//
// Text that starts with '@' and one more byte is a troublesome text from a
// fixed list (NaN-like words, huge and tiny numbers, dates at the ends of
// the calendar, control characters) followed by the rest of the line; text
// that starts with '*' and one more byte is the rest of the line repeated
// up to 256 times, for very long texts.
//
// A question the step's handler asks is answered No when the step's text
// starts with "n" or "N", Yes otherwise.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvell::fuzz {

struct ScriptStep {
    unsigned char op = 0;
    std::string text;  // expanded as described above
};

class Script {
public:
    Script(const std::uint8_t* data, std::size_t size);

    // The next step, or std::nullopt at the end of the input.
    std::optional<ScriptStep> next();

private:
    std::string_view rest_;
};

// The '@' and '*' expansions of a step's raw text.
std::string expandText(std::string_view raw);

// What a step's op byte picks among `fields` fields and `actions` actions:
// 'a'.. types into a field, 'A'.. fires an action, wrapping around; any other
// byte picks either by its value.
struct Pick {
    bool typing = false;
    std::size_t index = 0;
};
Pick pickStep(unsigned char op, std::size_t fields, std::size_t actions);

// Whether a step with this text answers Yes to a question.
bool answersYes(std::string_view text);

// The list line a text names: its leading whole number (negative allowed),
// -1 for none, clamped to what an int holds.
int lineNumber(std::string_view text);

}  // namespace corvell::fuzz
