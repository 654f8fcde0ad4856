#include "subrogation/subrogationmodel.h"

namespace corvell {

SubrogationModel::SubrogationModel() : FormModel(WindowId::frmSubrogation) { addNavigationRow(); }

}  // namespace corvell
