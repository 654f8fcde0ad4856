#include "offsets/offsetrecords.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "shell/keptrecord.h"
#include "shell/values.h"

namespace corvell {

namespace {

constexpr KeptMember<LumpSumRecord> kLumpSumKept[] = {
    {"beginText", &LumpSumRecord::beginText},
    {"rateText", &LumpSumRecord::rateText},
    {"amountText", &LumpSumRecord::amountText},
    {"begin", &LumpSumRecord::begin},
    {"rate", &LumpSumRecord::rate},
    {"amount", &LumpSumRecord::amount},
};

constexpr KeptMember<PensionRecord> kPensionKept[] = {
    {"pensionText", &PensionRecord::pensionText}, {"percentText", &PensionRecord::percentText},
    {"rateText", &PensionRecord::rateText},       {"pension", &PensionRecord::pension},
    {"percent", &PensionRecord::percent},         {"rate", &PensionRecord::rate},
};

constexpr KeptMember<SocialSecurityRecord> kSocialSecurityKept[] = {
    {"monthlyText", &SocialSecurityRecord::monthlyText},
    {"rateText", &SocialSecurityRecord::rateText},
    {"monthly", &SocialSecurityRecord::monthly},
    {"rate", &SocialSecurityRecord::rate},
};

// A weekly rate offset read back must give a rate the window can show.
template <class Offset>
void expectCalculable(const StateReader& saved, const Offset& offset) {
    if (!std::isfinite(offset.newRate)) {
        saved.fail("holds amounts too large to calculate");
    }
}

// The figures follow from the values as read, which follow from the texts.
LumpSumRecord loadLumpSumRecord(const StateReader& saved) {
    LumpSumRecord r = loadKept(saved, kLumpSumKept);
    expectReadFromTexts(saved, CDate(r.beginText) == std::optional<Date>(r.begin) &&
                                   fieldNumber(r.rateText) == r.rate &&
                                   CDbl(r.amountText) == r.amount && r.rate != 0);
    r.offset = lumpSumOffset(r.begin, r.amount, r.rate);
    if (r.offset.end != LumpSumOffset::End::OnCalendar) {
        saved.fail("holds an offset that ends off the calendar");
    }
    return r;
}

// The figures follow from the amounts as read, which follow from the texts.
PensionRecord loadPensionRecord(const StateReader& saved) {
    PensionRecord r = loadKept(saved, kPensionKept);
    expectReadFromTexts(saved, fieldNumber(r.pensionText) == r.pension &&
                                   fieldNumber(r.percentText, true) == r.percent &&
                                   CDbl(r.rateText) == r.rate);
    r.offset = pensionOffset(r.pension, r.percent, r.rate);
    expectCalculable(saved, r.offset);
    return r;
}

// The figures follow from the amounts as read, which follow from the texts.
SocialSecurityRecord loadSocialSecurityRecord(const StateReader& saved) {
    SocialSecurityRecord r = loadKept(saved, kSocialSecurityKept);
    expectReadFromTexts(saved, CDbl(r.monthlyText) == r.monthly && CDbl(r.rateText) == r.rate &&
                                   r.monthly != 0 && r.rate != 0);
    r.offset = socialSecurityOffset(r.monthly, r.rate);
    expectCalculable(saved, r.offset);
    return r;
}

}  // namespace

const RecordFormat<LumpSumRecord> lumpSumRecords{&saveByTable<LumpSumRecord, kLumpSumKept>,
                                                 &loadLumpSumRecord, &lumpSumWorksheet};
const RecordFormat<PensionRecord> pensionRecords{&saveByTable<PensionRecord, kPensionKept>,
                                                 &loadPensionRecord, &pensionWorksheet};
const RecordFormat<SocialSecurityRecord> socialSecurityRecords{
    &saveByTable<SocialSecurityRecord, kSocialSecurityKept>, &loadSocialSecurityRecord,
    &socialSecurityWorksheet};

}  // namespace corvell
