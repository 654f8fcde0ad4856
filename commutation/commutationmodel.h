#pragma once

#include "shared/calculationvalues.h"
#include "shell/formmodel.h"

namespace corvell {

class CommutationModel : public FormModel {
public:
    CommutationModel();

    const CalculationValues& values() const { return values_; }

private:
    CalculationValues values_;
};

}  // namespace corvell
