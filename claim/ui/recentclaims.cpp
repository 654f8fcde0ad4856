#include "claim/ui/recentclaims.h"

#include <QSettings>

namespace corvell::ui {
namespace {

constexpr char kKey[] = "recentClaims";

}  // namespace

RecentClaims::RecentClaims(QSettings& settings) : settings_(settings) {}

QStringList RecentClaims::paths() const {
    return settings_.value(kKey).toStringList();
}

void RecentClaims::add(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    store(std::move(list));
}

void RecentClaims::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    store(std::move(list));
}

void RecentClaims::store(QStringList paths) {
    while (paths.size() > kRecentClaimCount) {
        paths.removeLast();
    }
    settings_.setValue(kKey, paths);
    settings_.sync();
}

}  // namespace corvell::ui
