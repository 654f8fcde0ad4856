#pragma once
// The claim files last opened or saved, for File > Open Recent: at most five,
// the latest first, kept in the operator's settings (the program's only
// stored state besides the files the operator saves).

#include <QString>
#include <QStringList>

class QSettings;

namespace corvell::ui {

inline constexpr int kRecentClaimCount = 5;

class RecentClaims {
public:
    explicit RecentClaims(QSettings& settings);

    QStringList paths() const;
    // Puts the file at the top, once.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(QStringList paths);

    QSettings& settings_;
};

}  // namespace corvell::ui
