#pragma once
// "How was this calculated?": a window beside a calculator window that shows
// the worksheet of the figures it shows, in a fixed-pitch font, read-only,
// ready to be selected and copied. A line too long for the window wraps and
// goes on under the start of its text, as on paper. It follows the calculator window: every
// command run there brings it up to date. It does not block the window.

#include <QDialog>

class QTextEdit;

namespace corvell {
class FormModel;
}

namespace corvell::ui {

class FormBinder;

class WorksheetWindow final : public QDialog {
public:
    // A window owned by `owner`, showing the worksheet of `binder`'s model.
    WorksheetWindow(QWidget& owner, FormBinder& binder);

    // Brings the text up to date, shows the window and brings it to the front.
    void showWorksheet();

    // The worksheet as shown.
    QString text() const;

private:
    void refresh();

    const FormModel& model_;
    QTextEdit* text_;
};

// The owner's worksheet window, made on first use and then kept.
WorksheetWindow& worksheetWindow(QWidget& owner, FormBinder& binder);

}  // namespace corvell::ui
