#include "interest/ledgertable.h"

#include <vector>

#include "interest/ledgercents.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {
namespace {

using Row = std::vector<std::string>;

std::string figure(double x) {
    return Format(x, "0.00");
}

std::vector<Row> rows(const Ledger& ledger, const LedgerTotals& t) {
    std::vector<Row> table{{"Begin", "End", "Payment Date", "Payment", "Weeks", "Days", "Rate",
                            "Compensation", "Accrued", "Simple", "Total", "Net"}};
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        const LedgerEntry& e = ledger.entry(i);
        table.push_back({e.BeginText, e.EndText, e.hasPaymentDate() ? e.PayDateText : "",
                         figure(e.PayAmount), figure(CDbl(e.WeeksText).value_or(0)),
                         figure(CDbl(e.DaysText).value_or(0)), figure(e.RateValue),
                         figure(e.CompAmount), figure(e.AccruedAmount), figure(e.SimpleAmount),
                         figure(e.TotalAmountValue), figure(e.TotalAmountValue - e.PayAmount)});
    }
    table.push_back({"Totals", "", "", figure(t.PaymentsTotal), "", "", "", figure(t.CompTotal),
                     figure(t.AccruedTotal), figure(t.SimpleTotal), figure(t.AmountTotal),
                     figure(t.NetTotal)});
    // The cents between the rows and the totals, in the totals' columns.
    const std::vector<ColumnCents> cents = ledgerCents(ledger, t);
    const auto centsRow = [&cents](std::string label, double ColumnCents::*amount) {
        const auto at = [&](std::size_t c) { return figure(cents[c].*amount); };
        return Row{std::move(label), "", "", at(0), "", "", "", at(3), at(1), at(2), at(4), at(5)};
    };
    table.push_back(centsRow("Rows added up", &ColumnCents::printedSum));
    table.push_back(centsRow("Totals less rows", &ColumnCents::difference));
    table.push_back({std::string(kWhyCentsDiffer)});
    return table;
}

std::string quoted(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string q = "\"";
    for (char c : field) {
        q += c;
        if (c == '"') {
            q += '"';
        }
    }
    return q + "\"";
}

std::string joined(const std::vector<Row>& table, const std::string& between,
                   const std::string& lineEnd, std::string (*field)(const std::string&)) {
    std::string out;
    for (const Row& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            out += (i > 0 ? between : std::string()) + field(row[i]);
        }
        out += lineEnd;
    }
    return out;
}

std::string asIs(const std::string& field) {
    return field;
}

}  // namespace

std::string ledgerCsv(const Ledger& ledger, const LedgerTotals& totals) {
    return joined(rows(ledger, totals), ",", "\r\n", &quoted);
}

std::string ledgerTabbed(const Ledger& ledger, const LedgerTotals& totals) {
    return joined(rows(ledger, totals), "\t", "\n", &asIs);
}

}  // namespace corvell
