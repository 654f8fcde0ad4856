#include "app/windowfactory.h"

#include "claim/claim.h"
#include "commutation/ui/frmcommutation.h"
#include "interest/ui/calculationform.h"
#include "offsets/ui/frmoffset.h"
#include "offsets/ui/frmpension.h"
#include "offsets/ui/frmsocialsecurity.h"
#include "presentvalue/ui/frmpresentvalue.h"
#include "shell/ui/beginform.h"
#include "subrogation/ui/frmsubrogation.h"

namespace corvell::app {

std::unique_ptr<QWidget> createWindow(WindowId id, const ui::Services& services, Claim& claim) {
    switch (id) {
        case WindowId::BeginForm:
            return std::make_unique<ui::BeginForm>(services);
        case WindowId::CalculationForm:
            return std::make_unique<ui::CalculationForm>(claim.interest(), services);
        case WindowId::frmPresentValue:
            return std::make_unique<ui::frmPresentValue>(claim.presentValue(), services);
        case WindowId::frmSocialSecurity:
            return std::make_unique<ui::frmSocialSecurity>(claim.socialSecurity(), services);
        case WindowId::FrmPension:
            return std::make_unique<ui::FrmPension>(claim.pension(), services);
        case WindowId::frmOffset:
            return std::make_unique<ui::frmOffset>(claim.lumpSum(), services);
        case WindowId::frmCommutation:
            return std::make_unique<ui::frmCommutation>(claim.commutation(), services);
        case WindowId::frmSubrogation:
            return std::make_unique<ui::frmSubrogation>(claim.subrogation(), services);
    }
    return nullptr;
}

}  // namespace corvell::app
