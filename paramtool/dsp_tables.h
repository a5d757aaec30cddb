#pragma once
// Display and value tables of the DSP editor: the speaker and MIC gain tables, the label
// lists the pages show, and the reset value of the speaker gain-level maps.

#include <array>
#include <cstddef>
#include <cstdint>

namespace paramtool {

struct GainEntry {
  const char* label;  // two lines: level in dB, then the byte in hex
  uint8_t value;
};

inline constexpr std::size_t kSpeakerGainEntries = 41;
extern const std::array<GainEntry, kSpeakerGainEntries> kSpeakerGainTable;

inline constexpr std::size_t kMicCodecGainEntries = 16;
extern const std::array<GainEntry, kMicCodecGainEntries> kMicCodecGainTable;

extern const std::array<const char*, 7> kNoiseReductionLabels;
extern const std::array<const char*, 11> kAudioEqPresetLabels;
extern const std::array<const char*, 4> kVoiceEqModeLabels;
extern const std::array<const char*, 16> kHexDigitLabels;

// A gain-level map holds sixteen indices into kSpeakerGainTable.
using GainLevelMap = std::array<int, 16>;
inline constexpr GainLevelMap kGainLevelResetMap = {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37};

// Index of the speaker gain entry holding `value`, or -1.
int speakerGainIndexOf(int value);

}  // namespace paramtool
