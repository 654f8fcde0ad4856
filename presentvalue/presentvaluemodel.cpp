#include "presentvalue/presentvaluemodel.h"

namespace corvell {

PresentValueModel::PresentValueModel() : FormModel(WindowId::frmPresentValue) { addNavigationRow(); }

}  // namespace corvell
