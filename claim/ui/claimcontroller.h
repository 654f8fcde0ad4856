#pragma once
// The claim of the program's run, as its windows offer it: New Claim, Open
// Claim..., Open Recent, Save Claim and Save Claim As... in every window's
// File menu, and the claim's file in every window's title.
//
// The claim has changes not saved when it differs from what was last saved,
// opened or started. Then starting a new claim, opening another one and
// ending the program first ask whether to save them; with nothing changed
// they act at once. Opening checks the whole file before anything changes.

#include <QPointer>
#include <QString>
#include <nlohmann/json.hpp>
#include <vector>

#include "claim/ui/recentclaims.h"
#include "shell/ui/claimcommands.h"

class QSettings;

namespace corvell {
class Claim;
}

namespace corvell::ui {

class Dialogs;

class ClaimController final : public ClaimCommands {
public:
    // `settings` keeps the recent claims.
    ClaimController(Claim& claim, Dialogs& dialogs, QSettings& settings);
    ClaimController(const ClaimController&) = delete;
    ClaimController& operator=(const ClaimController&) = delete;

    void newClaim(QWidget& window) override;
    void openClaim(QWidget& window) override;
    void openRecentClaim(QWidget& window, const QString& path) override;
    void saveClaim(QWidget& window) override;
    void saveClaimAs(QWidget& window) override;
    QStringList recentClaims() const override;
    void attach(FormWindow& window) override;
    void modelChanged() override;
    bool mayEndProgram(QWidget& window) override;

    // Opens the claim file at `path`, as Open Claim... does once the file is
    // chosen; false when it did not.
    bool open(QWidget& window, const QString& path);
    // The claim's file (an absolute path), empty before it has one.
    const QString& file() const { return file_; }
    bool isModified() const;

private:
    // Asks about changes not saved yet; false when the operator cancels or
    // the save they asked for did not happen.
    bool mayCloseClaim(QWidget& window);
    bool save(QWidget& window);
    bool saveAs(QWidget& window);
    bool saveTo(QWidget& window, const QString& path);
    // From now on the claim is the one in `file` (empty: none), unchanged.
    void startFrom(const QString& file);
    // Every window shows the claim's models, then its file.
    void showClaim();
    void showFile();
    QString folderToOpen() const;

    Claim& claim_;
    Dialogs& dialogs_;
    RecentClaims recent_;
    QString file_;
    nlohmann::json baseline_;  // the claim as last saved, opened or started
    bool modified_ = false;    // as the titles show it, while there is a file
    std::vector<QPointer<FormWindow>> windows_;
};

}  // namespace corvell::ui
