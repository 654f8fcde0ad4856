#pragma once
// One row of a QtTest data table in one call: the values stay on the row's
// line, as a table reads best.

#include <QTest>

namespace corvell::test {

template <class... Values>
void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

}  // namespace corvell::test
