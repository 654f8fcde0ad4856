#pragma once
// Claim files of earlier versions, brought up to the present one: one
// function per version, each turning its version's file into the next one's.

#include <nlohmann/json.hpp>

namespace corvell {

// Version 1 kept every window's whole state, figures and all; version 2
// keeps what was typed: the texts each last Calculate and each ledger
// entry's Calculate read, and which fields showed its figures. A member of
// the wrong kind throws StateError.
nlohmann::json fromVersion1(const nlohmann::json& file);

}  // namespace corvell
