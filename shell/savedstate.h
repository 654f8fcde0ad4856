#pragma once
// A window's state as JSON, for claim files. What a model keeps is written
// as plain JSON values and read back through a StateReader, which checks
// every value's type and range and names the place of anything wrong
// ("frmPresentValue.kept.CompRate is not a number"), so that a damaged file
// is reported exactly and never half read.

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "shell/dates.h"

namespace corvell {

// What is wrong with a saved state, and where.
class StateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class StateReader {
public:
    StateReader(const nlohmann::json& value, std::string path);

    const std::string& path() const { return path_; }
    const nlohmann::json& json() const { return value_; }

    // A member of this object; StateError when this is no object or the
    // member is missing.
    StateReader operator[](std::string_view key) const;
    // This object holds exactly these members: a missing one or one more is
    // an error.
    void expectMembers(std::initializer_list<std::string_view> keys) const;
    void expectMembers(std::span<const std::string_view> keys) const;
    // This is an array; its length, and one of its elements.
    std::size_t size() const;
    StateReader operator[](std::size_t index) const;

    std::string text() const;
    double number() const;  // a finite number
    std::int64_t whole(std::int64_t least, std::int64_t most) const;
    bool flag() const;
    // "" for no date (day 0), otherwise mm/dd/yyyy within 01/01/100..12/31/9999.
    Date date() const;

    [[noreturn]] void fail(std::string_view what) const;

private:
    const nlohmann::json& value_;
    std::string path_;
};

// A date as a claim file holds it: "" for no date, otherwise mm/dd/yyyy.
nlohmann::json dateJson(Date date);

}  // namespace corvell
