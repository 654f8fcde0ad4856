#include "shell/ui/savefile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace corvell::ui {
namespace {

// Why writing `bytes` to `path` failed, in words where the disk tells: the
// file system's own report of a full disk is often "Unknown error.".
QString inWords(const QString& path, qint64 bytes, const QString& reported) {
    const QString folder = QFileInfo(path).absolutePath();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReady()) {
        if (disk.isReadOnly()) {
            return QStringLiteral("The disk is read-only.");
        }
        if (disk.bytesAvailable() < bytes + 4096) {
            return QStringLiteral("There is not enough space on the disk.");
        }
    }
    const QFileInfo info(folder);
    if (info.isDir() && !info.isWritable()) {
        return QStringLiteral("You do not have permission to save in that folder.");
    }
    return reported;
}

}  // namespace

std::optional<QString> saveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return inWords(path, bytes.size(), file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return inWords(path, bytes.size(), reason);
    }
    if (!file.commit()) {
        return inWords(path, bytes.size(), file.errorString());
    }
    return std::nullopt;
}

}  // namespace corvell::ui
