#pragma once
// Writing a whole file safely: the bytes go into a temporary file beside the
// target, which is renamed over the target only once all of it is written.
// A failure (no permission, a name that is a folder, a full disk) leaves what
// was there as it was.

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvell::ui {

// The reason the file could not be written, in words where the disk tells
// ("There is not enough space on the disk."), or std::nullopt.
std::optional<QString> saveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace corvell::ui
