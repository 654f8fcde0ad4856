#pragma once
// The texts and values a window's record of its last Calculate keeps in a
// claim file, each under its own key. A record names its kept members in a
// table; the figures that follow from them are worked out again on loading.

#include <array>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "shell/dates.h"
#include "shell/savedstate.h"

namespace corvell {

template <class Record>
struct KeptMember {
    std::string_view key;
    std::variant<std::string Record::*, double Record::*, Date Record::*> member;
};

template <class Record, std::size_t N>
nlohmann::json saveKept(const Record& record, const KeptMember<Record> (&kept)[N]) {
    nlohmann::json saved = nlohmann::json::object();
    for (const KeptMember<Record>& k : kept) {
        nlohmann::json& value = saved[std::string(k.key)];
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), Date Record::*>) {
                    value = dateJson(record.*member);
                } else {
                    value = record.*member;
                }
            },
            k.member);
    }
    return saved;
}

// A record's saving, for its RecordFormat.
template <class Record, const auto& kept>
nlohmann::json saveByTable(const Record& record) {
    return saveKept(record, kept);
}

// Reads the kept members, in table order; the saved object must hold
// exactly these members.
template <class Record, std::size_t N>
Record loadKept(const StateReader& saved, const KeptMember<Record> (&kept)[N]) {
    Record record;
    std::array<std::string_view, N> keys;
    for (std::size_t i = 0; i < N; ++i) {
        keys[i] = kept[i].key;
    }
    saved.expectMembers(keys);
    for (const KeptMember<Record>& k : kept) {
        const StateReader value = saved[k.key];
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, Date Record::*>) {
                    record.*member = value.date();
                } else if constexpr (std::is_same_v<Member, double Record::*>) {
                    record.*member = value.number();
                } else {
                    record.*member = value.text();
                }
            },
            k.member);
    }
    return record;
}

// A record read back must hold the values a Calculate reads from its texts.
inline void expectReadFromTexts(const StateReader& saved, bool read) {
    if (!read) {
        saved.fail("is not what a Calculate reads from its texts");
    }
}

}  // namespace corvell
