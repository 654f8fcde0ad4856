#include "claim/ui/claimfiles.h"

#include <QFile>
#include <QFileInfo>

namespace corvell::ui {
namespace {

ClaimFileText failed(const QString& why) {
    return {{}, why};
}

}  // namespace

ClaimFileText readClaimFileText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return failed(QStringLiteral("The file does not exist."));
    }
    if (info.isDir()) {
        return failed(QStringLiteral("This is a folder, not a file."));
    }
    const QString tooLarge =
        QStringLiteral("The file is larger than 16 MiB: too large to be a claim file.");
    if (info.size() > kClaimFileLimit) {
        return failed(tooLarge);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(file.errorString());
    }
    // Read no more than the limit allows, whatever the file claims its size
    // is (a device, a file still growing).
    QByteArray text;
    while (text.size() <= kClaimFileLimit) {
        // In pieces: a buffer as large as the limit would be asked for on every open.
        const QByteArray piece = file.read(1 << 16);
        if (piece.isEmpty()) {
            break;
        }
        text += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        return failed(file.errorString());
    }
    if (text.size() > kClaimFileLimit) {
        return failed(tooLarge);
    }
    return {std::move(text), std::nullopt};
}

QString withClaimExtension(const QString& path) {
    const QString extension = QStringLiteral(".") + QLatin1String(kClaimExtension);
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

}  // namespace corvell::ui
