#pragma once
// The parameters of one 6.3 kbit/s frame and their 24-byte packing.

#include <cstdint>

#include "voiceprompt/g723/constants.h"

namespace g723 {

struct SubframeParams {
  std::int16_t acLg = 0;  // pitch lag offset (1 in subframes 0 and 2)
  std::int16_t acGn = 0;  // row of the pitch gain table
  std::int16_t mamp = 0;  // fixed-codebook gain index
  std::int16_t grid = 0;  // even or odd pulse grid
  std::int16_t tran = 0;  // pulse-train variant
  std::int16_t pamp = 0;  // pulse signs, first pulse in the highest bit
  std::int32_t ppos = 0;  // combinatorial pulse-position index
};

struct FrameParams {
  std::int32_t lspId = 0;    // band 0 index << 16 | band 1 index << 8 | band 2 index
  std::int16_t olp[2] = {};  // pitch lag of subframes 0 and 2
  SubframeParams sfs[kSubFrames];
};

void packFrame(const FrameParams& line, std::uint8_t out[kFrameBytes]);

// Unpacks a frame. Returns false for a frame that is not a valid 6.3 kbit/s frame
// (another frame type, a lag code above 123 or a gain index beyond its table); the
// decoder then treats it as an erased frame.
bool unpackFrame(const std::uint8_t in[kFrameBytes], FrameParams& line);

}  // namespace g723
