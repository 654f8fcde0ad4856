#pragma once
// Claim files on disk: reading one whole, within a size no claim comes near
// (100 ledger entries and seven windows make well under a megabyte), and the
// extension every claim file carries.

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvell::ui {

inline constexpr qint64 kClaimFileLimit = 16 * 1024 * 1024;
inline constexpr char kClaimExtension[] = "claim";

struct ClaimFileText {
    QByteArray text;
    // What kept the file from being read: missing, a folder, unreadable,
    // larger than kClaimFileLimit.
    std::optional<QString> failure;
};

ClaimFileText readClaimFileText(const QString& path);

// The path with ".claim" added, unless it ends in it already.
QString withClaimExtension(const QString& path);

}  // namespace corvell::ui
