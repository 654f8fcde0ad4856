#include "claim/ui/claimcontroller.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>

#include "claim/claim.h"
#include "claim/claimmessages.h"
#include "claim/ui/claimfiles.h"
#include "shell/reportfilename.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/formwindow.h"
#include "shell/ui/look.h"
#include "shell/ui/pdffile.h"
#include "shell/ui/savefile.h"

namespace corvell::ui {
namespace {

const QString kFilter = QStringLiteral("Claims (*.claim)");

QByteArray digest(const QByteArray& text) {
    return QCryptographicHash::hash(text, QCryptographicHash::Sha256);
}

// What the claim would save, in 32 bytes: a copy of a full ledger's claim
// would take the better part of a megabyte.
QByteArray claimDigest(const Claim& claim) {
    return digest(QByteArray::fromStdString(claim.save().dump()));
}

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
    : claim_(claim), dialogs_(dialogs), recent_(settings), baseline_(claimDigest(claim)) {}

bool ClaimController::isModified() const {
    return changedOnOpening_ || claimDigest(claim_) != baseline_;
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
    // Read before the question: a file that cannot be opened asks nothing
    // and changes nothing.
    const std::variant<SavedClaim, std::string> saved = readClaimFile(text);
    if (const auto* wrong = std::get_if<std::string>(&saved)) {
        return refuse(QString::fromStdString(*wrong));
    }
    ClaimLock lock;
    const std::optional<LockHolder> holder = lock.lock(path);
    if (holder &&
        dialogs_.askChoice(&window, heldMessage(path, *holder),
                           {QStringLiteral("Open Read-Only"), QStringLiteral("Cancel")}) != 0) {
        return false;
    }
    if (!mayCloseClaim(window)) {
        return false;
    }
    const FigureChanges changes = claim_.open(std::get<SavedClaim>(saved));
    lock_ = std::move(lock);
    startFrom(QFileInfo(path).absoluteFilePath(), file.text);
    readOnly_ = holder.has_value();
    // Figures that came out otherwise are the claim's changes until it is saved.
    changedOnOpening_ = !changes.empty();
    modified_ = changedOnOpening_;
    recent_.add(file_);
    showClaim();
    if (changedOnOpening_) {
        dialogs_.showMessage(&window,
                             QString::fromStdString(changedFiguresMessage(
                                 QFileInfo(path).fileName().toStdString(), changes)),
                             applicationTitle());
    }
    return true;
}

void ClaimController::saveClaim(QWidget& window) {
    save(window);
}

void ClaimController::saveClaimAs(QWidget& window) {
    saveAs(window);
}

bool ClaimController::save(QWidget& window) {
    return file_.isEmpty() || readOnly_ ? saveAs(window) : saveTo(window, file_);
}

bool ClaimController::saveAs(QWidget& window) {
    const auto* form = dynamic_cast<const FormWindow*>(&window);
    const std::string caption = claim_.caseCaption(form ? form->id() : WindowId::BeginForm);
    const QString proposed =
        file_.isEmpty() || readOnly_
            ? QDir(folderToOpen()).filePath(QString::fromStdString(claimFileName(caption)))
            : file_;
    const std::optional<QString> path = dialogs_.chooseFile(
        &window, FileAction::Save, QStringLiteral("Save Claim As"), proposed, kFilter);
    return path && saveTo(window, withClaimExtension(*path));
}

bool ClaimController::saveTo(QWidget& window, const QString& path) {
    const bool sameFile = !file_.isEmpty() && QFileInfo(path) == QFileInfo(file_);
    if (sameFile && !mayOverwrite(window, path)) {
        return false;
    }
    // Another claim's file is written only while no other copy has it open.
    ClaimLock lock;
    if (!sameFile || readOnly_) {
        if (const std::optional<LockHolder> holder = lock.lock(path)) {
            dialogs_.showMessage(&window,
                                 QStringLiteral("Could not save the claim as %1: %2")
                                     .arg(shown(path), heldMessage(path, *holder)),
                                 applicationTitle());
            return false;
        }
    }
    const QByteArray text = QByteArray::fromStdString(claimFileText(claim_));
    if (const std::optional<QString> failure = saveWholeFile(path, text)) {
        dialogs_.showMessage(&window,
                             QStringLiteral("Could not save the claim as %1: %2")
                                 .arg(shown(path), sentence(*failure)),
                             applicationTitle());
        return false;
    }
    if (!sameFile || readOnly_) {
        lock_ = std::move(lock);
    }
    startFrom(QFileInfo(path).absoluteFilePath(), text);
    recent_.add(file_);
    showFile();
    return true;
}

bool ClaimController::mayOverwrite(QWidget& window, const QString& path) {
    const ClaimFileText now = readClaimFileText(path);
    if (now.failure || digest(now.text) == fileDigest_) {
        return true;  // unchanged, or gone: nothing of anyone's to lose
    }
    const QString question =
        QStringLiteral("%1 was changed by another program since you opened it.")
            .arg(QFileInfo(path).fileName());
    switch (dialogs_.askChoice(
        &window, question,
        {QStringLiteral("Save As..."), QStringLiteral("Overwrite"), QStringLiteral("Cancel")})) {
        case 0:
            saveAs(window);
            return false;
        case 1:
            return true;
        default:
            return false;
    }
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

void ClaimController::startFrom(const QString& file, const QByteArray& text) {
    if (file.isEmpty()) {
        lock_.unlock();
    }
    file_ = file;
    readOnly_ = false;
    fileDigest_ = digest(text);
    baseline_ = claimDigest(claim_);
    modified_ = false;
    changedOnOpening_ = false;
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
    window.showClaimFile(file_.isEmpty()
                             ? QString()
                             : QFileInfo(file_).fileName() +
                                   (readOnly_ ? QStringLiteral(" (read-only)") : QString()),
                         modified_);
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
    QString name = file_.isEmpty() ? QString() : QFileInfo(file_).fileName();
    if (readOnly_) {
        name += QStringLiteral(" (read-only)");
    }
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
