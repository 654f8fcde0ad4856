#pragma once
// Ends a start-up run once its windows are on screen: after the paint of the
// last of `windows` top-level windows has finished, prints "shown
// NANOSECONDS" (the steady clock, which every process on this machine
// shares) and leaves the event loop. The menu and the floor programs use it
// alike, with one window.

#include <QObject>
#include <QSet>
#include <functional>

class QWidget;

namespace corvell::bench {

class FirstPaintProbe final : public QObject {
public:
    // Watches every event of the application; create it before any window.
    // `afterFirst` runs once the first window's paint is over (to show more).
    explicit FirstPaintProbe(int windows = 1, std::function<void(QWidget&)> afterFirst = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int windows_;
    std::function<void(QWidget&)> afterFirst_;
    QSet<const QWidget*> painted_;
};

}  // namespace corvell::bench
