#include "offsets/socialsecuritymodel.h"

namespace corvell {

SocialSecurityModel::SocialSecurityModel() : FormModel(WindowId::frmSocialSecurity) { addNavigationRow(); }

}  // namespace corvell
