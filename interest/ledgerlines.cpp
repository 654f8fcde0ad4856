#include "interest/ledgerlines.h"

#include <algorithm>
#include <array>

#include "shell/format.h"
#include "shell/values.h"

namespace corvell {
namespace {

// The panel re-formats the stored amounts; the report prints them as stored.
enum class LedgerView { Panel, Report };

// The amount columns, left to right, with the name each heading gives them.
struct Column {
    int ColumnWidths::*width;
    std::string_view name;
};
constexpr std::array<Column, 9> kColumns{{
    {&ColumnWidths::payAmount, "Pay Amt."},
    {&ColumnWidths::weeks, "Weeks"},
    {&ColumnWidths::days, "Days"},
    {&ColumnWidths::rate, "Rate"},
    {&ColumnWidths::comp, "Comp"},
    {&ColumnWidths::accrued, "Accrued"},
    {&ColumnWidths::simple, "Simple"},
    {&ColumnWidths::total, "Total"},
    {&ColumnWidths::netTotal, "Net Total"},
}};

using AmountTexts = std::array<std::string, kColumns.size()>;

// The amounts of an entry as a view shows them, in column order.
AmountTexts amountTexts(const LedgerEntry& e, LedgerView view) {
    const double net = e.TotalAmountValue - e.PayAmount;
    if (view == LedgerView::Report) {
        return {e.PayAmountText, e.WeeksText, e.DaysText,
                e.RateText,      e.CompText,  e.AccruedText,
                e.SimpleText,    e.TotalText, Format(net, "##,###,##.00")};
    }
    return {e.PayAmountText,
            Format(e.WeeksText, "#,##0"),
            Format(e.DaysText, "0"),
            Format(e.RateText, "#,##0.00"),
            Format(e.CompText, "##,###,##0.00"),
            Format(e.AccruedText, "###,##0.00"),
            Format(e.SimpleText, "###,##0.00"),
            Format(e.TotalText, "##,###,##0.00"),
            Format(net, "##,###,##0.00")};
}

// What a column shows of a value: no surrounding blanks, "0" for zero.
std::string shown(std::string_view value) {
    std::string v(trim(value));
    if (Val(v) == 0) {
        v = "0";
    }
    return v;
}

void widen(ColumnWidths& widths, const AmountTexts& texts) {
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        int& width = widths.*kColumns[c].width;
        const auto length = static_cast<int>(shown(texts[c]).size());
        if (length >= width) {
            width = length + 1;
        }
    }
}

std::string amountColumns(const AmountTexts& texts, const ColumnWidths& widths) {
    std::string line;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        line += PadColumn(texts[c], widths.*kColumns[c].width);
    }
    return line;
}

// Blanks before each widened column's name, as many as the column grew.
std::string widenHeading(std::string_view written, const ColumnWidths& widths) {
    std::string heading(written);
    std::size_t at = 0;
    for (const Column& c : kColumns) {
        at = heading.find(c.name, at);
        const int grown = std::max(widths.*c.width - ColumnWidth.*c.width, 0);
        heading.insert(at, static_cast<std::size_t>(grown), ' ');
        at += static_cast<std::size_t>(grown) + c.name.size();
    }
    return heading;
}

// The dates that start an entry's line. The panel shows them with a
// two-digit year and two blanks after each; the report as stored, one blank
// after each. A missing payment date keeps its ten blanks.
std::string dates(const LedgerEntry& e, LedgerView view) {
    if (view == LedgerView::Report) {
        return e.BeginText + " " + e.EndText + " " + e.PayDateText + " ";
    }
    const auto panelDate = [](const std::string& stored) {
        // A stored date is nearly always mm/dd/yyyy: drop the century
        // straight away rather than reading the date again.
        const bool usual = stored.size() == 10 && stored[2] == '/' && stored[5] == '/' &&
                           std::all_of(stored.begin() + 6, stored.end(),
                                       [](char c) { return c >= '0' && c <= '9'; });
        return (usual ? stored.substr(0, 6) + stored.substr(8) : Format(stored, "mm/dd/yy")) + "  ";
    };
    return panelDate(e.BeginText) + panelDate(e.EndText) + panelDate(e.PayDateText);
}

// The amounts of an entry as its columns show them: no surrounding blanks,
// "0" for zero.
AmountTexts shownTexts(const LedgerEntry& e, LedgerView view) {
    AmountTexts texts = amountTexts(e, view);
    for (std::string& text : texts) {
        text = shown(text);
    }
    return texts;
}

// Every entry's amounts are formatted once, for its width and its line.
LedgerLines linesOf(const Ledger& ledger, LedgerView view) {
    std::vector<AmountTexts> texts;
    texts.reserve(static_cast<std::size_t>(ledger.EntryCount()));
    LedgerLines result{ColumnWidth, {}};
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        texts.push_back(amountTexts(ledger.entry(i), view));
        widen(result.widths, texts.back());
    }
    result.lines.reserve(texts.size());
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        result.lines.push_back(
            dates(ledger.entry(i), view) +
            amountColumns(texts[static_cast<std::size_t>(i - 1)], result.widths));
    }
    return result;
}

std::string lineAlone(const LedgerEntry& e, LedgerView view) {
    const AmountTexts texts = amountTexts(e, view);
    ColumnWidths widths = ColumnWidth;
    widen(widths, texts);
    return dates(e, view) + amountColumns(texts, widths);
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
    std::string v = shown(value);
    const auto wanted = static_cast<std::size_t>(std::max(width, 0));
    if (v.size() < wanted) {
        v.insert(0, wanted - v.size(), ' ');
    }
    return v;
}

LedgerLines panelLines(const Ledger& ledger) {
    return linesOf(ledger, LedgerView::Panel);
}

void PanelLines::reset(const Ledger& ledger) {
    rows_.clear();
    lines_ = LedgerLines{ColumnWidth, {}};
    for (int n = 1; n <= ledger.EntryCount(); ++n) {
        entryWritten(ledger, n);
    }
}

bool PanelLines::entryWritten(const Ledger& ledger, int n) {
    const auto row = static_cast<std::size_t>(n - 1);
    const LedgerEntry& e = ledger.entry(n);
    rows_.resize(std::max(rows_.size(), row + 1));
    Row& written = rows_[row];
    written.dates = dates(e, LedgerView::Panel);
    written.amounts = shownTexts(e, LedgerView::Panel);
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        written.lengths[c] = static_cast<int>(written.amounts[c].size());
    }
    // A column whose widest value fills it or more is one wider than that value.
    ColumnWidths widths = ColumnWidth;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        int widest = 0;
        for (const Row& r : rows_) {
            widest = std::max(widest, r.lengths[c]);
        }
        int& width = widths.*kColumns[c].width;
        width = widest >= width ? widest + 1 : width;
    }
    lines_.lines.resize(rows_.size());
    if (widths == lines_.widths) {
        layOut(row);
        return false;
    }
    lines_.widths = widths;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        layOut(r);
    }
    return true;
}

void PanelLines::layOut(std::size_t row) {
    lines_.lines[row] = rows_[row].dates + amountColumns(rows_[row].amounts, lines_.widths);
}

std::string spokenEntryLine(const LedgerEntry& e, int n) {
    std::string line = "Entry " + std::to_string(n) + ": Begin " + e.BeginText + ", End " +
                       e.EndText + ", Pay " + (e.hasPaymentDate() ? e.PayDateText : "none");
    const AmountTexts amounts = shownTexts(e, LedgerView::Panel);
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        line += ", " + std::string(kColumns[c].name) + " " + amounts[c];
    }
    return line;
}

std::string spokenTotalsLine(const LedgerTotals& totals) {
    std::string line = totalsLine(totals, ", Amount=$");
    // "Payments=$1.00  Accrued=$2.00" reads "Payments $1.00, Accrued $2.00".
    for (std::size_t at = 0; (at = line.find("  ", at)) != std::string::npos;) {
        line.replace(at, 2, ", ");
    }
    std::replace(line.begin(), line.end(), '=', ' ');
    return line;
}

LedgerLines reportLines(const Ledger& ledger) {
    return linesOf(ledger, LedgerView::Report);
}

std::string panelHeading(const ColumnWidths& widths) {
    return widenHeading(kPanelHeading, widths);
}

std::string BuildPanelLine(const LedgerEntry& e) {
    return lineAlone(e, LedgerView::Panel);
}

std::string panelLine(const LedgerEntry& e, const ColumnWidths& widths) {
    return dates(e, LedgerView::Panel) + amountColumns(amountTexts(e, LedgerView::Panel), widths);
}

std::string panelTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, " Amount=");
}

std::string reportHeader(const ColumnWidths& widths) {
    return widenHeading(kReportHeader, widths);
}

std::string reportEntryLine(const LedgerEntry& e) {
    return lineAlone(e, LedgerView::Report);
}

std::string reportTotalsLine(const LedgerTotals& totals) {
    return totalsLine(totals, "  Amount=$");
}

}  // namespace corvell
