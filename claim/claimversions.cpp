#include "claim/claimversions.h"

#include <string_view>
#include <vector>

#include "shell/navigation.h"
#include "shell/savedstate.h"

namespace corvell {
namespace {

// Where a version 1 record kept the text of each field its Calculate read.
struct RecordText {
    std::string_view member;
    std::string_view field;
};

// The record's members of each window, and the fields its Calculate writes
// its figures into.
struct Version1Window {
    std::string_view window;
    std::vector<RecordText> texts;
    std::vector<std::string_view> figures;
};

const std::vector<Version1Window>& version1Windows() {
    static const std::vector<Version1Window> windows{
        {"frmSocialSecurity",
         {{"monthlyText", "txtSocialSecurity"}, {"rateText", "txtRate"}},
         {"txtNewRate"}},
        {"FrmPension",
         {{"pensionText", "txtMonthlyPension"},
          {"percentText", "txtEmployerPercent"},
          {"rateText", "txtRate"}},
         {"txtNewWeeklyRate"}},
        {"frmOffset",
         {{"beginText", "txtBeginningDate"},
          {"rateText", "txtRate"},
          {"amountText", "txtNetOffsetAmount"}},
         {"txtComputedEndDate", "txtComputedWeeks", "txtComputedDays", "txtRemainder"}},
        {"frmCommutation",
         {{"beginText", "txtBeginningDate"},
          {"weeksText", "txtCommWeeks"},
          {"amountText", "txtCommAmount"}},
         {"txtComputedRate", "txtComputedEndDate"}},
        {"frmSubrogation",
         {{"totalText", "txtTotalRecovery"},
          {"costsText", "txtCostsAndFees"},
          {"rateText", "txtRate"},
          {"lienText", "txtLienAmount"},
          {"agreedText", "txtLienRecovery"}},
         {"txtNewWeeklyRate", "txtForWeeks"}},
        {"frmPresentValue",
         {{"fromText", "txtFromDate"},
          {"toText", "txtToDate"},
          {"weeksText", "txtWeeks"},
          {"ageText", "txtAge"},
          {"genderText", "txtGender"},
          {"rateText", "txtRate"},
          {"interestText", "txtInterestRate"}},
         {"txtTotalComp", "txtPresentValue", "txtInterestRate"}},
        {"CalculationForm",
         {{"beginningDate", "txtBeginningDate"},
          {"endingDate", "txtEndingDate"},
          {"rate", "txtRate"},
          {"weeks", "txtWeeks"},
          {"paymentDate", "txtPaymentDate"},
          {"paymentAmount", "txtPaymentAmount"}},
         {"lblDays", "txtTotalDays", "txtTotalComp", "txtAccruedInterest", "txtSimpleInterest",
          "txtSimpleDays", "txtTotalAmount", "txtNetAmount"}},
    };
    return windows;
}

// The texts a Calculate read: the window's fields, with those the record
// kept as they were when it ran.
nlohmann::json typedOf(const nlohmann::json& fields, const StateReader& record,
                       const Version1Window& window) {
    nlohmann::json typed = fields;
    for (const RecordText& t : window.texts) {
        typed[std::string(t.field)] = record[t.member].text();
    }
    return typed;
}

nlohmann::json figuresOf(const StateReader& record, const Version1Window& window) {
    nlohmann::json figures = nlohmann::json::array();
    for (std::string_view field : window.figures) {
        figures.push_back(field);
    }
    if (window.window == "frmSubrogation" && record["lien"].number() != 0) {
        figures.push_back("txtLienRecovery");  // worked out over what was typed
    }
    if (window.window == "CalculationForm" && record["endingDate"].text().empty()) {
        figures.push_back("txtEndingDate");  // worked out from the weeks
    }
    if (window.window == "frmPresentValue") {
        const bool weeksWorkedOut =
            !record["toText"].text().empty() || !record["ageText"].text().empty();
        figures.push_back(weeksWorkedOut ? "txtWeeks" : "txtToDate");
    }
    return figures;
}

// The interest window: each ledger entry's inputs, the entry being worked
// on, and the calculation its fields show.
void interestOf(const StateReader& kept, const nlohmann::json& fields, const Version1Window& window,
                nlohmann::json& migrated) {
    const StateReader records = kept["entryWorksheets"];
    nlohmann::json& ledger = migrated["ledger"] = nlohmann::json::array();
    for (std::size_t i = 0; i < records.size(); ++i) {
        nlohmann::json typed = nlohmann::json::object();
        for (const RecordText& t : window.texts) {
            typed[std::string(t.field)] = records[i][t.member].text();
        }
        ledger.push_back({{"typed", typed}});
    }
    const StateReader state = kept["state"];
    const nlohmann::json& shown = kept["worksheet"]["calculation"].json();
    const nlohmann::json& calculated = kept["calculatedWorksheet"].json();
    const char* shows = shown.is_null() ? "" : shown == calculated ? "calculation" : "entry";
    migrated["state"] = {{"CurrentEntry", state["CurrentEntry"].whole(0, 100)},
                         {"NewEntryPending", state["NewEntryPending"].flag()},
                         {"EntryCalculated", state["EntryCalculated"].flag()},
                         {"EntrySaved", state["EntrySaved"].flag()},
                         {"Shows", shows},
                         {"lastBeginningDate", kept["lastBeginningDate"].text()},
                         {"lastEndingDate", kept["lastEndingDate"].text()}};
    if (std::string_view(shows) == "calculation") {
        const StateReader record(calculated, kept.path() + ".calculatedWorksheet");
        migrated["calculation"] = {{"typed", typedOf(fields, record, window)},
                                   {"figures", figuresOf(record, window)}};
    }
}

}  // namespace

nlohmann::json fromVersion1(const nlohmann::json& file) {
    const StateReader windows = StateReader(file, "The file")["windows"];
    nlohmann::json migrated = nlohmann::json::object();
    for (const Version1Window& window : version1Windows()) {
        const std::string name(window.window);
        const StateReader saved = windows[name];
        const nlohmann::json& fields = saved["fields"].json();
        nlohmann::json& now = migrated[name];
        now = {{"fields", fields}, {"disabled", saved["disabled"].json()}};
        const StateReader kept = saved["kept"];
        if (name == "CalculationForm") {
            interestOf(kept, fields, window, now);
            continue;
        }
        const StateReader record = kept["worksheet"]["calculation"];
        if (!record.json().is_null()) {
            now["calculation"] = {{"typed", typedOf(fields, record, window)},
                                  {"figures", figuresOf(record, window)}};
        }
        if (name == "frmOffset" || name == "frmCommutation") {
            now["state"] = {{"BeginDate", kept["values"]["BeginDate"].text()}};
        }
        if (name == "frmPresentValue") {
            // A Calculate without a Comp Rate goes on with the one before.
            const StateReader values = kept["values"];
            now["state"] = {{"CompRate", values["CompRate"].number()},
                            {"TotalComp", values["TotalComp"].number()}};
        }
    }
    return {{"format", file["format"]}, {"version", 2}, {"windows", migrated}};
}

}  // namespace corvell
