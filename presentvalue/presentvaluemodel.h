#pragma once

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class PresentValueModel : public FormModel {
public:
    PresentValueModel();

    const CalculationValues& values() const { return values_; }

private:
    CalculationValues values_;
};

}  // namespace corvell
