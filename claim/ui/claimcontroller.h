#pragma once
// The claim of the program's run, as its windows offer it: New Claim, Open
// Claim..., Open Recent, Save Claim and Save Claim As... in every window's
// File menu, and the claim's file in every window's title.
//
// The claim has changes not saved when it differs from what was last saved,
// opened or started. Then starting a new claim, opening another one and
// ending the program first ask whether to save them; with nothing changed
// they act at once. Opening checks the whole file before anything changes.
//
// No copy of the program silently writes over another's work: an open claim
// is locked, and a second copy that opens it may only read it (its Save goes
// to Save As); and Save asks first when the file changed on disk since it
// was opened or saved, whoever changed it.

#include <QPointer>
#include <QString>
#include <vector>

#include "claim/ui/claimlock.h"
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
    // Opened while another copy of the program had it open: Save goes to Save As.
    bool isReadOnly() const { return readOnly_; }

private:
    // Asks about changes not saved yet; false when the operator cancels or
    // the save they asked for did not happen.
    bool mayCloseClaim(QWidget& window);
    bool save(QWidget& window);
    bool saveAs(QWidget& window);
    bool saveTo(QWidget& window, const QString& path);
    // False when the file changed on disk since this claim read or wrote it
    // and the operator keeps it (or saves elsewhere instead).
    bool mayOverwrite(QWidget& window, const QString& path);
    // From now on the claim is the one in `file` (empty: none), unchanged,
    // as its file holds `text`.
    void startFrom(const QString& file, const QByteArray& text = {});
    // Every window shows the claim's models, then its file.
    void showClaim();
    void showFile();
    QString folderToOpen() const;

    Claim& claim_;
    Dialogs& dialogs_;
    RecentClaims recent_;
    QString file_;
    ClaimLock lock_;
    bool readOnly_ = false;
    QByteArray fileDigest_;          // of the file as last read or written
    QByteArray baseline_;            // digest of the claim as last saved, opened or started
    bool modified_ = false;          // as the titles show it, while there is a file
    bool changedOnOpening_ = false;  // opening changed figures: unsaved until saved
    std::vector<QPointer<FormWindow>> windows_;
};

}  // namespace corvell::ui
