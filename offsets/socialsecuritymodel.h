#pragma once
// The social security offset window: the weekly rate less half the weekly
// equivalent of the net monthly social security. Everything it knows lives
// in its fields; it keeps no other value.

#include "shell/formmodel.h"

namespace corvell {

class SocialSecurityModel : public FormModel {
public:
    SocialSecurityModel();

private:
    Reaction txtRate_LostFocus();
    Reaction cmdSSCalculate_Click();
    Reaction cmdSSClear_Click();
    Reaction cmdSSPrint_Click();
};

}  // namespace corvell
