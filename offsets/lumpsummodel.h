#pragma once

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class LumpSumModel : public FormModel {
public:
    LumpSumModel();

    const CalculationValues& values() const { return values_; }

private:
    CalculationValues values_;
};

}  // namespace corvell
