#include "claim/ui/claimcontroller.h"

#include <QDir>
#include <QFileInfo>
#include <string_view>

#include "claim/claim.h"
#include "claim/ui/claimfiles.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/formwindow.h"
#include "shell/ui/look.h"
#include "shell/ui/pdffile.h"
#include "shell/ui/savefile.h"

namespace corvell::ui {
namespace {

const QString kFilter = QStringLiteral("Claims (*.claim)");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A reason as the end of a message: one full stop at its end.
QString sentence(QString reason) {
    if (!reason.endsWith(QLatin1Char('.'))) {
        reason += QLatin1Char('.');
    }
    return reason;
}

}  // namespace

ClaimController::ClaimController(Claim& claim, Dialogs& dialogs, QSettings& settings)
    : claim_(claim), dialogs_(dialogs), recent_(settings), baseline_(claim.save()) {}

bool ClaimController::isModified() const {
    return claim_.save() != baseline_;
}

void ClaimController::newClaim(QWidget& window) {
    if (!mayCloseClaim(window)) {
        return;
    }
    claim_.clear();
    startFrom(QString());
    showClaim();
}

void ClaimController::openClaim(QWidget& window) {
    const std::optional<QString> path = dialogs_.chooseFile(
        &window, FileAction::Open, QStringLiteral("Open Claim"), folderToOpen(), kFilter);
    if (path) {
        open(window, *path);
    }
}

void ClaimController::openRecentClaim(QWidget& window, const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_.remove(path);  // and open() says so
    }
    open(window, path);
}

bool ClaimController::open(QWidget& window, const QString& path) {
    const auto refuse = [&](const QString& wrong) {
        dialogs_.showMessage(
            &window, QStringLiteral("Could not open %1: %2").arg(shown(path), sentence(wrong)),
            applicationTitle());
        return false;
    };
    const ClaimFileText file = readClaimFileText(path);
    if (file.failure) {
        return refuse(*file.failure);
    }
    const std::string_view text(file.text.constData(), static_cast<std::size_t>(file.text.size()));
    // Checked before the question: a file that cannot be opened asks nothing
    // and changes nothing.
    Claim checked;
    if (const std::optional<std::string> wrong = readClaimFile(checked, text)) {
        return refuse(QString::fromStdString(*wrong));
    }
    if (!mayCloseClaim(window)) {
        return false;
    }
    if (const std::optional<std::string> wrong = readClaimFile(claim_, text)) {
        return refuse(QString::fromStdString(*wrong));  // read once already: cannot happen
    }
    startFrom(QFileInfo(path).absoluteFilePath());
    recent_.add(file_);
    showClaim();
    return true;
}

void ClaimController::saveClaim(QWidget& window) {
    save(window);
}

void ClaimController::saveClaimAs(QWidget& window) {
    saveAs(window);
}

bool ClaimController::save(QWidget& window) {
    return file_.isEmpty() ? saveAs(window) : saveTo(window, file_);
}

bool ClaimController::saveAs(QWidget& window) {
    const QString proposed =
        file_.isEmpty() ? QDir(documentsFolder()).filePath(QStringLiteral("Untitled.claim"))
                        : file_;
    const std::optional<QString> path = dialogs_.chooseFile(
        &window, FileAction::Save, QStringLiteral("Save Claim As"), proposed, kFilter);
    return path && saveTo(window, withClaimExtension(*path));
}

bool ClaimController::saveTo(QWidget& window, const QString& path) {
    const QByteArray text = QByteArray::fromStdString(claimFileText(claim_));
    if (const std::optional<QString> failure = saveWholeFile(path, text)) {
        dialogs_.showMessage(&window,
                             QStringLiteral("Could not save the claim as %1: %2")
                                 .arg(shown(path), sentence(*failure)),
                             applicationTitle());
        return false;
    }
    startFrom(QFileInfo(path).absoluteFilePath());
    recent_.add(file_);
    showFile();
    return true;
}

bool ClaimController::mayCloseClaim(QWidget& window) {
    if (!isModified()) {
        return true;
    }
    const QString name = file_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(file_).fileName();
    switch (dialogs_.askToSaveChanges(
        &window, QStringLiteral("Save changes to %1 before closing?").arg(name))) {
        case SaveChanges::Save:
            return save(window);
        case SaveChanges::Discard:
            return true;
        case SaveChanges::Cancel:
            break;
    }
    return false;
}

bool ClaimController::mayEndProgram(QWidget& window) {
    return mayCloseClaim(window);
}

void ClaimController::startFrom(const QString& file) {
    file_ = file;
    baseline_ = claim_.save();
    modified_ = false;
}

void ClaimController::modelChanged() {
    // Only a title that names the claim's file shows changes (comparing a
    // full ledger takes about a millisecond); the question compares afresh.
    if (file_.isEmpty()) {
        return;
    }
    const bool modified = isModified();
    if (modified != modified_) {
        modified_ = modified;
        showFile();
    }
}

void ClaimController::attach(FormWindow& window) {
    windows_.emplace_back(&window);
    window.showClaimFile(file_.isEmpty() ? QString() : QFileInfo(file_).fileName(), modified_);
}

void ClaimController::showClaim() {
    for (const QPointer<FormWindow>& window : windows_) {
        if (window) {
            window->showModel();
        }
    }
    showFile();
}

void ClaimController::showFile() {
    const QString name = file_.isEmpty() ? QString() : QFileInfo(file_).fileName();
    for (const QPointer<FormWindow>& window : windows_) {
        if (window) {
            window->showClaimFile(name, modified_);
        }
    }
}

QStringList ClaimController::recentClaims() const {
    return recent_.paths();
}

// The claim's own folder, else the latest recent claim's, else Documents.
QString ClaimController::folderToOpen() const {
    if (!file_.isEmpty()) {
        return QFileInfo(file_).absolutePath();
    }
    const QStringList recent = recent_.paths();
    if (!recent.isEmpty() && QFileInfo(recent.first()).dir().exists()) {
        return QFileInfo(recent.first()).absolutePath();
    }
    return documentsFolder();
}

}  // namespace corvell::ui
