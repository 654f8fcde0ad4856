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
    return "Totals: Payments=$" + Format(t.PaymentsTotal, "#,###,##0.00") + "  Accrued=$" +
           Format(t.AccruedTotal, "###,##0.00") + "  Simple=$" +
           Format(t.SimpleTotal, "###,##0.00") + "  Comp=$" + Format(t.CompTotal, "#,###,##0.00") +
           std::string(amountLabel) + Format(t.AmountTotal, "#,###,##0.00") + "  Net=$" +
           Format(t.NetTotal, "#,###,##0.00");
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
           PadColumn(e.PayAmountText, w.payAmount) +
           PadColumn(Format(e.WeeksText, "#,##0"), w.weeks) +
           PadColumn(Format(e.DaysText, "0"), w.days) +
           PadColumn(Format(e.RateText, "#,##0.00"), w.rate) +
           PadColumn(Format(e.CompText, "##,###,##0.00"), w.comp) +
           PadColumn(Format(e.AccruedText, "###,##0.00"), w.accrued) +
           PadColumn(Format(e.SimpleText, "###,##0.00"), w.simple) +
           PadColumn(Format(e.TotalText, "##,###,##0.00"), w.total) +
           PadColumn(Format(e.TotalAmountValue - e.PayAmount, "##,###,##0.00"), w.netTotal);
}

std::string panelTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, " Amount=");
}

std::string reportEntryLine(const LedgerEntry& e) {
    const ColumnWidths& w = ColumnWidth;
    return e.BeginText + " " + e.EndText + " " + e.PayDateText + " " +
           PadColumn(e.PayAmountText, w.payAmount) + PadColumn(e.WeeksText, w.weeks) +
           PadColumn(e.DaysText, w.days) + PadColumn(e.RateText, w.rate) +
           PadColumn(e.CompText, w.comp) + PadColumn(e.AccruedText, w.accrued) +
           PadColumn(e.SimpleText, w.simple) + PadColumn(e.TotalText, w.total) +
           PadColumn(Format(e.TotalAmountValue - e.PayAmount, "##,###,##.00"), w.netTotal);
}

std::string reportTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, "  Amount=$");
}

}  // namespace corvell
