#pragma once
// Control names in QtTest: as the type of a data column, and spelled out
// when a comparison fails.

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QTest>

#include "shell/controlname.h"

Q_DECLARE_METATYPE(corvell::ControlName)

namespace corvell {

// The objectName the control's widget carries.
inline QString qtName(ControlName name) {
    return QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size()));
}

// Found by QCOMPARE for its failure message.
inline char* toString(const ControlName& name) {
    return QTest::toString(
        QByteArray(name.name().data(), static_cast<qsizetype>(name.name().size())));
}

}  // namespace corvell
