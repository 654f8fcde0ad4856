#pragma once
// The main menu window: the program's banner and a button per calculator.

#include "shell/beginformmodel.h"
#include "shell/ui/formbinder.h"
#include "shell/ui/formwindow.h"

namespace corvell::ui {

class BeginForm final : public FormWindow {
public:
    explicit BeginForm(const Services& services, QWidget* parent = nullptr);
    BeginFormModel& model() { return model_; }

protected:
    // The window's own close control ends the program like Close does,
    // asking first about the claim's unsaved changes.
    void closeEvent(QCloseEvent* event) override;

private:
    BeginFormModel model_;
    Services services_;
    FormBinder binder_;
};

}  // namespace corvell::ui
