#include "claim/ui/claimlock.h"

#include <QDir>
#include <QFileInfo>

namespace corvell::ui {
namespace {

// Hidden beside the claim: ".smith.claim.lock".
QString lockPathOf(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() +
                                       QStringLiteral(".lock"));
}

}  // namespace

std::optional<LockHolder> ClaimLock::lock(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (holds(absolute)) {
        return std::nullopt;
    }
    unlock();
    auto file = std::make_unique<QLockFile>(lockPathOf(absolute));
    // Held as long as the claim is open: never stale by age, only when the
    // copy that made it is no longer running on this computer.
    file->setStaleLockTime(0);
    if (!file->tryLock()) {
        if (file->error() != QLockFile::LockFailedError) {
            return std::nullopt;  // no lock can be made here: nothing to respect
        }
        LockHolder holder;
        qint64 pid = 0;
        QString application;
        file->getLockInfo(&pid, &holder.host, &application);
        const QFileInfo lockInfo(file->fileName());
        holder.user = lockInfo.owner();
        holder.since = lockInfo.lastModified();
        return holder;
    }
    file_ = std::move(file);
    path_ = absolute;
    return std::nullopt;
}

void ClaimLock::unlock() {
    file_.reset();  // unlocks
    path_.clear();
}

bool ClaimLock::holds(const QString& path) const {
    return file_ && path_ == QFileInfo(path).absoluteFilePath();
}

QString heldMessage(const QString& path, const LockHolder& holder) {
    QString message =
        QStringLiteral("%1 is open in Corvell's Calculator").arg(QFileInfo(path).fileName());
    if (!holder.user.isEmpty()) {
        message += QStringLiteral(" by %1").arg(holder.user);
    }
    if (!holder.host.isEmpty()) {
        message += QStringLiteral(" on %1").arg(holder.host);
    }
    if (holder.since.isValid()) {
        const bool today = holder.since.date() == QDate::currentDate();
        message += QStringLiteral(" since %1")
                       .arg(holder.since.toString(today ? QStringLiteral("hh:mm")
                                                        : QStringLiteral("MM/dd/yyyy hh:mm")));
    }
    return message + QLatin1Char('.');
}

}  // namespace corvell::ui
