#pragma once
// The name of one control on a window, as its objectName reads. A name can
// only be made from a compile-time constant, and each window declares its
// controls once (interest/calculationformcontrols.h, ...): a misspelt name
// is a compile error, not a control that silently never answers.

#include <compare>
#include <cstddef>
#include <string_view>

namespace corvell {

class ControlName {
public:
    template <std::size_t N>
    explicit consteval ControlName(const char (&name)[N]) : name_(name, N - 1) {
        // Throwing here stops the compilation: a control name is a plain
        // identifier, as the window system names it.
        if (name_.empty()) {
            throw "a control name may not be empty";
        }
        for (const char c : name_) {
            const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            const bool digit = c >= '0' && c <= '9';
            if (!letter && !digit && c != '_') {
                throw "a control name holds letters, digits and underscores only";
            }
        }
    }

    constexpr std::string_view name() const { return name_; }

    friend constexpr bool operator==(ControlName a, ControlName b) { return a.name_ == b.name_; }
    // compare() rather than <=>: emscripten's libc++ has no <=> for string_view.
    friend constexpr std::strong_ordering operator<=>(ControlName a, ControlName b) {
        return a.name_.compare(b.name_) <=> 0;
    }

private:
    std::string_view name_;
};

}  // namespace corvell
