#pragma once
// Plays an operator's steps on a window's model, written as one line:
// steps separated by "|", "field=text" types the text into the field,
// "@field" leaves the field, "!button" presses the button. A question is
// answered Yes, as the operator who keeps going would.

#include <QString>
#include <QStringList>
#include <QTest>

#include "shell/formmodel.h"
#include "tests/support/controlnames.h"

namespace corvell::test {

// The control of the model with this name.
inline ControlName named(const FormModel& m, const QString& name) {
    for (ControlName c : m.controlNames()) {
        if (qtName(c) == name) {
            return c;
        }
    }
    qFatal("no control %s", qPrintable(name));
}

// Returns the messages the handlers gave, in turn.
inline QStringList play(FormModel& m, const QString& script) {
    QStringList messages;
    for (const QString& step : script.split('|')) {
        if (step.startsWith('!') || step.startsWith('@')) {
            Reaction r = m.fire(named(m, step.mid(1)),
                                step.startsWith('!') ? Event::Click : Event::LostFocus);
            if (r.question) {
                messages << QString::fromStdString(r.question->text);
                r = r.question->yes();
            }
            if (r.message) {
                messages << QString::fromStdString(r.message->text);
            }
        } else {
            const qsizetype eq = step.indexOf('=');
            m.setText(named(m, step.left(eq)), step.mid(eq + 1).toStdString());
        }
    }
    return messages;
}

}  // namespace corvell::test
