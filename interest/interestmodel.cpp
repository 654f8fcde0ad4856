#include "interest/interestmodel.h"

namespace corvell {

InterestModel::InterestModel() : FormModel(WindowId::CalculationForm) { addNavigationRow(); }

}  // namespace corvell
