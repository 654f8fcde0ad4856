#pragma once
// A QtTest data table in few lines: its columns in one call, and each row in
// one call, the values staying on the row's line as a table reads best.

#include <QTest>
#include <array>
#include <cstddef>

namespace corvell::test {

// The columns of a data table: their types, and their names in the same order.
template <class... Types>
void columns(const std::array<const char*, sizeof...(Types)>& names) {
    std::size_t i = 0;
    (QTest::addColumn<Types>(names[i++]), ...);
}

template <class... Values>
void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

}  // namespace corvell::test
