#pragma once

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class InterestModel : public FormModel {
public:
    InterestModel();

    const CalculationValues& values() const { return values_; }

private:
    CalculationValues values_;
};

}  // namespace corvell
