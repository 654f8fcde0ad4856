#pragma once
// How the offset windows keep the record of their last Calculate in a claim
// file: member by member, the texts as typed and the values as read; the
// figures are worked out again on reading, and a record whose values are not
// what its texts read as is refused.

#include "offsets/frmoffsetworksheet.h"
#include "offsets/frmpensionworksheet.h"
#include "offsets/frmsocialsecurityworksheet.h"

namespace corvell {

extern const RecordFormat<LumpSumRecord> lumpSumRecords;
extern const RecordFormat<PensionRecord> pensionRecords;
extern const RecordFormat<SocialSecurityRecord> socialSecurityRecords;

}  // namespace corvell
