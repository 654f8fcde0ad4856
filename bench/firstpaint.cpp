#include "bench/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <utility>

namespace corvell::bench {

FirstPaintProbe::FirstPaintProbe(int windows, std::function<void(QWidget&)> afterFirst)
    : windows_(windows), afterFirst_(std::move(afterFirst)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (painted_.size() >= windows_ || event->type() != QEvent::Paint) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow() || painted_.contains(widget)) {
        return false;
    }
    painted_.insert(widget);
    if (painted_.size() == 1 && afterFirst_) {
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(widget)] {
            if (window != nullptr) {
                afterFirst_(*window);
            }
        });
    }
    if (painted_.size() < windows_) {
        return false;
    }
    // The window and its controls are painted and flushed in this same pass;
    // a zero timer fires once the pass is over.
    QTimer::singleShot(0, this, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("shown %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return false;
}

}  // namespace corvell::bench
