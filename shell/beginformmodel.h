#pragma once
// The main menu: one button per calculator, each showing its window and
// leaving the menu open behind it, and Close, which ends the program.

#include "shell/formmodel.h"

namespace corvell {

class BeginFormModel : public FormModel {
public:
    BeginFormModel();

private:
    Reaction cmdExit_Click();
};

}  // namespace corvell
