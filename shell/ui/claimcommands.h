#pragma once
// The claim as the windows see it: the claim commands of every window's File
// menu, what a window tells the claim, and the question asked before the
// program ends. The shell knows only this interface; the program's claim
// (claim/ui) answers it.

#include <QString>
#include <QStringList>

class QWidget;

namespace corvell::ui {

class FormWindow;

class ClaimCommands {
public:
    virtual ~ClaimCommands() = default;

    // The File menu's commands, given on `window` (the parent of their dialogs).
    virtual void newClaim(QWidget& window) = 0;
    virtual void openClaim(QWidget& window) = 0;
    virtual void openRecentClaim(QWidget& window, const QString& path) = 0;
    virtual void saveClaim(QWidget& window) = 0;
    virtual void saveClaimAs(QWidget& window) = 0;
    // The claim files last opened or saved, the latest first.
    virtual QStringList recentClaims() const = 0;

    // A window was made: from now on it shows the claim and the claim's file.
    virtual void attach(FormWindow& window) = 0;
    // Something in a window's model may have changed: the operator typed, or
    // a handler ran.
    virtual void modelChanged() = 0;
    // Before the program ends: asks about changes not saved yet. False when
    // the operator goes on working.
    virtual bool mayEndProgram(QWidget& window) = 0;
};

}  // namespace corvell::ui
