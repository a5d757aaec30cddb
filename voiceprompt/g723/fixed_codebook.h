#pragma once
// The fixed (MP-MLQ) codebook of the 6.3 kbit/s rate: pulse search, position coding
// and decoding, and the pulse-train repetition for short lags.

#include <cstdint>

#include "voiceprompt/g723/constants.h"
#include "voiceprompt/g723/frame.h"

namespace g723 {

// Searches the pulses of subframe sfc for the target; on return target holds the fixed
// excitation and line.sfs[sfc] its code.
void searchFixed(std::int16_t target[kSubFrLen], const std::int16_t ir[kSubFrLen], FrameParams& line, int sfc);

// Fixed excitation of a coded subframe.
void decodeFixed(std::int16_t out[kSubFrLen], const SubframeParams& sfs, std::int16_t olp, int sfc);

}  // namespace g723
