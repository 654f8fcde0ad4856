#include "fuzz/script.h"

#include <climits>

namespace corvell::fuzz {
namespace {

// Texts that have broken number and date handling elsewhere, or sit on the
// edges of what the windows accept.
constexpr std::string_view kTroublesome[] = {
    "nan",
    "NaN",
    "-nan",
    "inf",
    "-inf",
    "Infinity",
    "-Infinity",
    "1e308",
    "-1e308",
    "1.7976931348623157e308",
    "1e309",
    "4.9e-324",
    "1e-320",
    "-0",
    "0",
    "1E+15",
    "9999999999999999",
    "123456789012345678901234567890",
    "$1,000.00",
    "1,000.00",
    "$",
    ",",
    ".",
    "-",
    "e",
    "1e",
    "&H10",
    "12/31/9999",
    "01/01/100",
    "1/1/0100",
    "12/31/99",
    "01/01/00",
    "02/29/2000",
    "02/29/1900",
    "12/30/1899",
    "12319999",
    "01010100",
    "123199",
    "010100",
    "99999999",
    "12345",
    "1000000",
    "10000",
    "10001",
    "1000001",
    "December 31, 9999",
    "Jan 1 100",
    "31-Dec-9999",
    " ",
    "\t",
    "\r",
    std::string_view("\0", 1),
    "\x01",
    "\x7f",
    "\xff",
    "\xc3\xa9",
    "M",
    "F",
    "m",
    "4681",
    "4681.07",
    "4682",
    "32767",
    "-32768",
    "110",
    "110.5",
    "0.5",
    "1",
    "4.34",
    "12/31/29",
    "01/01/30",
    "123129",
    "010130",
    "7S0",
    "1O00",
    "-1",
    "60 %",
    "1.79769313486232E+308",
};
constexpr std::size_t kTroublesomeCount = sizeof kTroublesome / sizeof kTroublesome[0];

// Long enough to be absurd in any field, short enough to keep runs fast.
constexpr std::size_t kLongestText = 1 << 16;

}  // namespace

Script::Script(const std::uint8_t* data, std::size_t size)
    : rest_(reinterpret_cast<const char*>(data), size) {}

std::optional<ScriptStep> Script::next() {
    if (rest_.empty()) {
        return std::nullopt;
    }
    const std::size_t end = rest_.find('\n');
    const std::string_view line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (line.empty()) {
        return ScriptStep{};  // op 0, no text
    }
    return ScriptStep{static_cast<unsigned char>(line[0]), expandText(line.substr(1))};
}

std::string expandText(std::string_view raw) {
    if (raw.size() >= 2 && raw[0] == '@') {
        const auto k = static_cast<unsigned char>(raw[1]) % kTroublesomeCount;
        return std::string(kTroublesome[k]) + std::string(raw.substr(2));
    }
    if (raw.size() >= 2 && raw[0] == '*') {
        const std::string_view piece = raw.substr(2);
        std::size_t times = static_cast<unsigned char>(raw[1]) + 1u;
        if (!piece.empty() && piece.size() * times > kLongestText) {
            times = kLongestText / piece.size();
        }
        std::string text;
        text.reserve(piece.size() * times);
        for (std::size_t i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    }
    return std::string(raw);
}

Pick pickStep(unsigned char op, std::size_t fields, std::size_t actions) {
    if (op >= 'a' && op <= 'z') {
        return Pick{true, static_cast<std::size_t>(op - 'a') % fields};
    }
    if (op >= 'A' && op <= 'Z') {
        return Pick{false, static_cast<std::size_t>(op - 'A') % actions};
    }
    const std::size_t k = op % (fields + actions);
    return k < fields ? Pick{true, k} : Pick{false, k - fields};
}

bool answersYes(std::string_view text) {
    return text.empty() || (text.front() != 'n' && text.front() != 'N');
}

int lineNumber(std::string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size() || text[i] < '0' || text[i] > '9') {
        return -1;
    }
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > INT_MAX) {
            n = INT_MAX;
            break;
        }
    }
    return static_cast<int>(negative ? -n : n);
}

}  // namespace corvell::fuzz
