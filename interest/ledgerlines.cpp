#include "interest/ledgerlines.h"

#include "shell/format.h"
#include "shell/values.h"

namespace corvell {
namespace {

// A stored date in the panel: two-digit year, then two blanks. A missing
// payment date keeps its ten blanks.
std::string panelDate(const std::string& stored) {
    return Format(stored, "mm/dd/yy") + "  ";
}

// The totals as both lines show them; only the label before the amount
// total differs.
std::string totalsLine(const LedgerTotals& t, std::string_view amountLabel) {
    return "Totals: Payments=$" + Format(t.Payments, "#,###,##0.00") + "  Accrued=$" +
           Format(t.Accrued, "###,##0.00") + "  Simple=$" + Format(t.Simple, "###,##0.00") +
           "  Comp=$" + Format(t.Comp, "#,###,##0.00") + std::string(amountLabel) +
           Format(t.Amount, "#,###,##0.00") + "  Net=$" + Format(t.Net, "#,###,##0.00");
}

}  // namespace

std::string PadColumn(std::string_view value, int width) {
    std::string v(trim(value));
    if (Val(v) == 0) {
        v = "0";
    }
    return Right(std::string(19, ' ') + v, static_cast<std::size_t>(width));
}

std::string BuildPanelLine(const LedgerEntry& e) {
    const ColumnWidths& w = ColumnWidth;
    return panelDate(e.BeginText) + panelDate(e.EndText) + panelDate(e.PayDateText) +
           PadColumn(e.PayAmountText, w.PayAmount) +
           PadColumn(Format(e.WeeksText, "#,##0"), w.Weeks) +
           PadColumn(Format(e.DaysText, "0"), w.Days) +
           PadColumn(Format(e.RateText, "#,##0.00"), w.Rate) +
           PadColumn(Format(e.CompText, "##,###,##0.00"), w.Comp) +
           PadColumn(Format(e.AccruedText, "###,##0.00"), w.Accrued) +
           PadColumn(Format(e.SimpleText, "###,##0.00"), w.Simple) +
           PadColumn(Format(e.TotalText, "##,###,##0.00"), w.Total) +
           PadColumn(Format(e.TotalAmountValue - e.PayAmount, "##,###,##0.00"), w.NetTotal);
}

std::string panelTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, " Amount=");
}

std::string reportEntryLine(const LedgerEntry& e) {
    const ColumnWidths& w = ColumnWidth;
    return e.BeginText + " " + e.EndText + " " + e.PayDateText + " " +
           PadColumn(e.PayAmountText, w.PayAmount) + PadColumn(e.WeeksText, w.Weeks) +
           PadColumn(e.DaysText, w.Days) + PadColumn(e.RateText, w.Rate) +
           PadColumn(e.CompText, w.Comp) + PadColumn(e.AccruedText, w.Accrued) +
           PadColumn(e.SimpleText, w.Simple) + PadColumn(e.TotalText, w.Total) +
           PadColumn(Format(e.TotalAmountValue - e.PayAmount, "##,###,##.00"), w.NetTotal);
}

std::string reportTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, "  Amount=$");
}

}  // namespace corvell
