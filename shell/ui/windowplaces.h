#pragma once
// Where each window was left, kept between runs in the operator's settings
// (windows/<objectName>/geometry): a window opens where it was last hidden,
// moved back onto a screen if the screens have changed since.

#include <QObject>

class QSettings;
class QWidget;

namespace corvell::ui {

class WindowPlaces final : public QObject {
public:
    explicit WindowPlaces(QSettings& settings) : settings_(settings) {}

    // Puts a window not yet shown where it was last left, and keeps its
    // place each time it is hidden from now on.
    void follow(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSettings& settings_;
};

}  // namespace corvell::ui
