#pragma once
// The adaptive (pitch) codebook: closed-loop lag and gain search, decoding of the pitch
// contribution, and the error-limitation (taming) procedure that bounds the gain search.

#include <cstdint>

#include "voiceprompt/g723/constants.h"
#include "voiceprompt/g723/frame.h"

namespace g723 {

class CoderTables;

struct TamingState {
  std::int32_t err[kSizErr] = {kErr0, kErr0, kErr0, kErr0, kErr0};
};

struct AdaptiveSearch {
  const CoderTables* tables = nullptr;
  bool limitGainSearch = false;  // search only the first 48 / 96 gain rows
  const TamingState* taming = nullptr;
  std::int16_t sineDetector = 0;  // negative while a sine wave is detected
};

// Chooses the lag and gain of subframe sfc, stores them in line (the pair's lag in
// line.olp) and subtracts the pitch contribution from the target.
void searchAdaptive(std::int16_t target[kSubFrLen], const std::int16_t ir[kSubFrLen],
                    const std::int16_t prevExc[kPitchMax], FrameParams& line, int sfc, const AdaptiveSearch& search);

// Pitch contribution of lag olp - 1 + lid with gain row gid.
void decodeAdaptive(std::int16_t out[kSubFrLen], const std::int16_t prevExc[kPitchMax], std::int16_t olp,
                    std::int16_t lid, std::int16_t gid, const CoderTables& tables);

// Updates the taming accumulators after a subframe.
void updateTaming(TamingState& state, std::int16_t olp, std::int16_t acLg, std::int16_t acGn,
                  const CoderTables& tables);

}  // namespace g723
