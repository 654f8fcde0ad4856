#pragma once

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class PensionModel : public FormModel {
public:
    PensionModel();

    const CalculationValues& values() const { return values_; }

private:
    CalculationValues values_;
};

}  // namespace corvell
