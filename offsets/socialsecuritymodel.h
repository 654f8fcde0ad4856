#pragma once
// The social security offset window: the weekly rate less half the weekly
// equivalent of the net monthly social security. Everything it knows lives
// in its fields; it keeps no other value.

#include "offsets/rateoffsetmodel.h"

namespace corvell {

class SocialSecurityModel final : public RateOffsetModel {
public:
    SocialSecurityModel();

private:
    Reaction cmdSSCalculate_Click() override;
    Reaction cmdSSClear_Click() override;
    Reaction cmdSSPrint_Click() override;
};

}  // namespace corvell
