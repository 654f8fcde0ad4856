#pragma once
// Ends a start-up run once the first window is on screen: after the first
// paint of a top-level window has finished, prints "shown NANOSECONDS" (the
// steady clock, which every process on this machine shares) and leaves the
// event loop. The menu and the floor programs use it alike.

#include <QObject>

namespace corvell::bench {

class FirstPaintProbe final : public QObject {
public:
    // Watches every event of the application; create it before any window.
    FirstPaintProbe();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};

}  // namespace corvell::bench
