#include "interest/calculationformlayout.h"

#include "interest/calculationformcontrols.h"
#include "interest/ledgerlines.h"

namespace corvell::calculationform {
namespace {

using K = ControlKind;

// Seven columns of fields, inputs first; under them the case caption beside
// the commands, then the ledger panel, wide enough for a full 122-character
// line (wider figures widen their columns, and the panel scrolls sideways).
// Table order is tab order: the inputs, the commands, Close, the
// navigation row, then the figures the calculation writes and the panel.
constexpr int kCol[] = {180, 2040, 3900, 5760, 7620, 9480, 11340};
constexpr int kColWidth = 1740;
constexpr int kRow1Label = 600;
constexpr int kRow1Field = 840;
constexpr int kRow2Label = 1290;
constexpr int kRow2Field = 1530;
constexpr int kFieldHeight = 330;
constexpr int kLabelHeight = 240;
constexpr int kCommandTop = 2430;
constexpr int kCommandHeight = 420;

constexpr ControlSpec kControls[] = {
    {K::Label, Label2, "Beginning Date", nullptr, kCol[0], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtBeginningDate, nullptr, "Enter beginning date of period as m/d/yy", kCol[0],
     kRow1Field, kColWidth, kFieldHeight},
    {K::Label, Label3, "Ending Date", nullptr, kCol[1], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtEndingDate, nullptr, "Enter payment thru date as m/d/yy", kCol[1], kRow1Field,
     kColWidth, kFieldHeight},
    {K::Label, Label1, "Rate", nullptr, kCol[2], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtRate, nullptr, "Enter  weekly compensation rate", kCol[2], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label5, "Weeks", nullptr, kCol[3], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtWeeks, nullptr, "Enter weeks and Ending Date will be computed", kCol[3],
     kRow1Field, kColWidth, kFieldHeight},
    {K::Label, Label6, "Payment Date", nullptr, kCol[0], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtPaymentDate, nullptr, "Date check issued", kCol[0], kRow2Field, kColWidth,
     kFieldHeight},
    {K::Label, Label17, "Payment Amt.", nullptr, kCol[1], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtPaymentAmount, nullptr,
     "Enter amount of lump sum payment to claimant on or before ending date", kCol[1], kRow2Field,
     kColWidth, kFieldHeight},
    {K::CaptionLabel, Label14, "Case Caption", nullptr, kCol[0], 1980, kColWidth, kLabelHeight},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     kCol[0], 2220, 5460, 840},

    {K::Button, cmdCalculate, "Calculate Interest", "Press to calculate", 5880, kCommandTop, 1800,
     kCommandHeight},
    {K::Button, cmdSave, "Save", nullptr, 7800, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdNextEntry, "Next Entry", nullptr, 9150, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdPrint, "Print", nullptr, 10500, kCommandTop, 1230, kCommandHeight},
    {K::Button, cmdClear, "Clear", nullptr, 11850, kCommandTop, 1230, kCommandHeight},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 12105, 120, 975, 360},

    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 180, 150, 1215, 300},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 1455, 150, 1215, 300},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 2730, 150, 1095, 300},
    {K::NavButton, nav::CmdLumpSum, nullptr, nullptr, 3885, 150, 1095, 300},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 5040, 150, 1215, 300},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 6315, 150, 1215, 300},

    {K::Label, Label8, "Days", nullptr, kCol[4], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, lblDays, nullptr, "Partial weeks expressed in days", kCol[4], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label4, "Total Days", nullptr, kCol[5], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalDays, nullptr,
     "Calculated days between beginning and ending dates inclusive", kCol[5], kRow1Field, kColWidth,
     kFieldHeight},
    {K::Label, Label13, "Total Comp", nullptr, kCol[6], kRow1Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalComp, nullptr,
     "Calculated amount of compensation payable based on weeks,days and rate", kCol[6], kRow1Field,
     kColWidth, kFieldHeight},
    {K::Label, Label7, "Accrued Int.", nullptr, kCol[2], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtAccruedInterest, nullptr,
     "Calculated amount of accrued interest on a running award", kCol[2], kRow2Field, kColWidth,
     kFieldHeight},
    {K::Label, labSimpleInterest, "Simple Int.", nullptr, kCol[3], kRow2Label, kColWidth,
     kLabelHeight},
    {K::Field, txtSimpleInterest, nullptr, "Calculated amount of simple interest", kCol[3],
     kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label9, "Simple Days", nullptr, kCol[4], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtSimpleDays, nullptr,
     "Calculated number of days of interest between ending date and payment date", kCol[4],
     kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label10, "Total Amount", nullptr, kCol[5], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtTotalAmount, nullptr, "Total of calculated amount of compensation and interest",
     kCol[5], kRow2Field, kColWidth, kFieldHeight},
    {K::Label, Label12, "Net Amount", nullptr, kCol[6], kRow2Label, kColWidth, kLabelHeight},
    {K::Field, txtNetAmount, nullptr, "Total amount less payment amount", kCol[6], kRow2Field,
     kColWidth, kFieldHeight},

    // The panel's column headings, as the model writes them at the written widths.
    {K::Label, Label11, kPanelHeading.data(), nullptr, 240, 3180, 12840, kLabelHeight},
    {K::ListBox, List1, "Ledger", nullptr, 180, 3420, 12900, 4500},
};

}  // namespace

const WindowLayout layout{WindowId::CalculationForm, 13260, 8100, kControls};

}  // namespace corvell::calculationform
