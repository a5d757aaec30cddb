#pragma once
// Open-loop pitch estimation and the harmonic noise-shaping filter of the encoder.

#include <cstdint>

#include "voiceprompt/g723/constants.h"

namespace g723 {

struct HarmonicFilter {
  std::int16_t lag = 0;   // samples
  std::int16_t gain = 0;  // Q15, 0 = off
};

// Open-loop lag (18 to 142) of the 120 samples at buf[start]; buf holds kPitchMax samples
// of history before them.
std::int16_t estimatePitch(const std::int16_t* buf, int start);

// Harmonic noise-shaping filter of the subframe at buf[start] around the open-loop lag.
HarmonicFilter harmonicFilter(const std::int16_t* buf, int start, std::int16_t olp);

// out[start..] = buf[kPitchMax + start..] filtered by the harmonic noise-shaping filter.
void applyHarmonicFilter(std::int16_t* out, const std::int16_t* buf, int start, HarmonicFilter pw);

}  // namespace g723
