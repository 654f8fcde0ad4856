#include "commutation/commutationmodel.h"

namespace corvell {

CommutationModel::CommutationModel() : FormModel(WindowId::frmCommutation) { addNavigationRow(); }

}  // namespace corvell
