#include "offsets/lumpsummodel.h"

namespace corvell {

LumpSumModel::LumpSumModel() : FormModel(WindowId::frmOffset) { addNavigationRow(); }

}  // namespace corvell
