#pragma once
// The one seam between the windows and everything modal or physical: message
// boxes, the printer dialog and the printer. The program uses SystemDialogs;
// tests put in their own to capture messages and printed documents without a
// modal loop.

#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>

#include "shell/report.h"

class QWidget;

namespace corvell::ui {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button only.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title) = 0;
    // The printer dialog: the copies chosen, or std::nullopt when cancelled.
    virtual std::optional<int> choosePrinter(QWidget* parent) = 0;
    // Prints copies of one document on the chosen printer; false when the
    // printer failed.
    virtual bool print(const report::Document& document, int copies) = 0;
};

class SystemDialogs final : public Dialogs {
public:
    SystemDialogs();
    void showMessage(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<int> choosePrinter(QWidget* parent) override;
    bool print(const report::Document& document, int copies) override;

private:
    QPrinter& printer();

    // Made on first use: the print system takes a noticeable time to load,
    // and the main menu should not wait for it.
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace corvell::ui
