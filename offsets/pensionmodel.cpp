#include "offsets/pensionmodel.h"

namespace corvell {

PensionModel::PensionModel() : FormModel(WindowId::FrmPension) { addNavigationRow(); }

}  // namespace corvell
