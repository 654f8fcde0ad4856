#include "bench/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace corvell::bench {

FirstPaintProbe::FirstPaintProbe() {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (painted_ || event->type() != QEvent::Paint) {
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow()) {
        return false;
    }
    painted_ = true;
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
