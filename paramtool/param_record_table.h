#pragma once
// The parameter records of the DSP table, in list order. Records are stored in this order,
// so where two share an address the later one decides the byte and its mark.

#include <array>
#include <cstddef>

#include "paramtool/param_record.h"

namespace paramtool {

inline constexpr std::size_t kRecordCount = 162;
extern const std::array<RecordDefinition, kRecordCount> kRecordTable;

// Address of the first voice speaker gain level record (levels 1-16 at 0x18D-0x19C).
inline constexpr int kVoiceGainLevelBase = 0x18D;
// Address of the first audio speaker gain level record (levels 1-16 at 0x17D-0x18C).
inline constexpr int kAudioGainLevelBase = 0x17D;
// The width-184 record that keeps 0x1300-0x13B7 cleared.
inline constexpr int kClearedAreaRecord = 0x1300;
inline constexpr int kClearedAreaBytes = 184;
// The width-0 record the main page sets present on every save.
inline constexpr int kMainPageMarkerRecord = 0xFFC;

}  // namespace paramtool
