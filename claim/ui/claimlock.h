#pragma once
// While a claim is open its file is locked, by a lock file beside it that
// every copy of the program respects: a second copy that opens the claim
// learns who has it open. A lock left behind by a copy that crashed on this
// computer is taken over.

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

namespace corvell::ui {

// Who holds a claim's lock.
struct LockHolder {
    QString user;  // the lock file's owner
    QString host;
    QDateTime since;
};

// One claim's lock, held until it is unlocked or destroyed.
class ClaimLock {
public:
    // Locks the claim at `path`, unless this lock holds it already:
    // std::nullopt once it is locked (or where no lock can be made, as in a
    // folder that cannot be written), the holder when another copy of the
    // program has it open. A lock held on another claim is left as it was.
    std::optional<LockHolder> lock(const QString& path);
    void unlock();
    bool holds(const QString& path) const;

private:
    std::unique_ptr<QLockFile> file_;
    QString path_;
};

// "smith.claim is open in Corvell's Calculator by jdoe on WS-14 since 10:42."
QString heldMessage(const QString& path, const LockHolder& holder);

}  // namespace corvell::ui
