#pragma once
// Stands in for message boxes, the printer dialog and the printer, so tests
// see what the operator would have seen and what would have been printed.

#include <QString>
#include <optional>
#include <vector>

#include "shell/ui/dialogs.h"

namespace corvell::test {

struct ShownMessage {
    QString text;
    QString title;
};

class FakeDialogs final : public ui::Dialogs {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<int> choosePrinter(QWidget* parent) override;
    // Keeps one document per copy, as a printer would receive them.
    bool print(const report::Document& document, int copies) override;

    // What the next printer dialog answers: the copies, or std::nullopt to cancel.
    std::optional<int> copies = 1;
    // Makes the printer fail on the document with this index (0: the first).
    std::optional<int> failOnDocument;
    // Leaves no window active after a message, as a real message box does
    // until the window system gives the window back, some time after it
    // closed (a test then activates the window itself).
    bool messageLeavesNoActiveWindow = false;

    std::vector<ShownMessage> messages;
    std::vector<report::Document> printed;
    int printerDialogs = 0;

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }
    void clear();
};

}  // namespace corvell::test
