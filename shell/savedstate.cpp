#include "shell/savedstate.h"

#include <algorithm>
#include <cmath>

#include "shell/format.h"

namespace corvell {

StateReader::StateReader(const nlohmann::json& value, std::string path)
    : value_(value), path_(std::move(path)) {}

void StateReader::fail(std::string_view what) const {
    throw StateError(path_ + " " + std::string(what));
}

StateReader StateReader::operator[](std::string_view key) const {
    if (!value_.is_object()) {
        fail("is not a group of named values");
    }
    const auto it = value_.find(key);
    if (it == value_.end()) {
        throw StateError(path_ + "." + std::string(key) + " is missing");
    }
    return StateReader(*it, path_ + "." + std::string(key));
}

void StateReader::expectMembers(std::initializer_list<std::string_view> keys) const {
    expectMembers(std::span<const std::string_view>(keys.begin(), keys.size()));
}

void StateReader::expectMembers(std::span<const std::string_view> keys) const {
    if (!value_.is_object()) {
        fail("is not a group of named values");
    }
    for (std::string_view key : keys) {
        (void)(*this)[key];
    }
    for (const auto& [key, member] : value_.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            throw StateError(path_ + "." + key + " is not expected here");
        }
    }
}

std::size_t StateReader::size() const {
    if (!value_.is_array()) {
        fail("is not a list");
    }
    return value_.size();
}

StateReader StateReader::operator[](std::size_t index) const {
    if (index >= size()) {
        fail("has no element " + std::to_string(index + 1));
    }
    return StateReader(value_[index], path_ + "[" + std::to_string(index + 1) + "]");
}

std::string StateReader::text() const {
    if (!value_.is_string()) {
        fail("is not text");
    }
    return value_.get<std::string>();
}

double StateReader::number() const {
    if (!value_.is_number()) {
        fail("is not a number");
    }
    const double x = value_.get<double>();
    if (!std::isfinite(x)) {
        fail("is not a finite number");
    }
    return x;
}

std::int64_t StateReader::whole(std::int64_t least, std::int64_t most) const {
    const double x = number();
    if (x != std::floor(x) || x < static_cast<double>(least) || x > static_cast<double>(most)) {
        fail("is not a whole number from " + std::to_string(least) + " to " + std::to_string(most));
    }
    return static_cast<std::int64_t>(x);
}

bool StateReader::flag() const {
    if (!value_.is_boolean()) {
        fail("is not true or false");
    }
    return value_.get<bool>();
}

Date StateReader::date() const {
    const std::string t = text();
    if (t.empty()) {
        return kNoDate;
    }
    const std::optional<Date> d = CDate(t);
    if (!d || Format(*d, "mm/dd/yyyy") != t) {
        fail("is not a date written mm/dd/yyyy");
    }
    return *d;
}

nlohmann::json dateJson(Date date) {
    return date == kNoDate ? std::string() : Format(date, "mm/dd/yyyy");
}

}  // namespace corvell
