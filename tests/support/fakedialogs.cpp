#include "tests/support/fakedialogs.h"

#include <QApplication>

namespace corvell::test {

void FakeDialogs::showMessage(QWidget*, const QString& text, const QString& title) {
    messages.push_back({text, title});
    if (messageLeavesNoActiveWindow) {
        QApplication::setActiveWindow(nullptr);
    }
}

std::optional<int> FakeDialogs::choosePrinter(QWidget*) {
    ++printerDialogs;
    return copies;
}

bool FakeDialogs::print(const report::Document& document, int copies) {
    for (int copy = 0; copy < copies; ++copy) {
        if (failOnDocument && static_cast<int>(printed.size()) == *failOnDocument) {
            return false;
        }
        printed.push_back(document);
    }
    return true;
}

void FakeDialogs::clear() {
    messages.clear();
    printed.clear();
    printerDialogs = 0;
}

}  // namespace corvell::test
