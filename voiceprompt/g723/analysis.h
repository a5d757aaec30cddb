#pragma once
// Encoder front end: high-pass filter, LPC analysis, LSP conversion and quantisation,
// formant weighting.

#include <cstdint>

#include "voiceprompt/g723/constants.h"

namespace g723 {

class CoderTables;

struct HighPassState {
  std::int16_t zeroDelay = 0;
  std::int32_t poleDelay = 0;
};

// Removes the DC component of one frame in place (the output is at half scale).
void removeDc(std::int16_t frame[kFrame], HighPassState& state);

// Normalises a vector to its largest magnitude; returns the shift applied.
std::int16_t normaliseVector(std::int16_t* v, int len);

// Unquantised LPC of the four subframes (Q13), from 180-sample windows over the previous
// 120 samples and the current frame. Updates the sine detector.
void computeLpc(std::int16_t lpc[kSubFrames * kLpcOrder], const std::int16_t prevData[kLpcFrame - kSubFrLen],
                const std::int16_t frame[kFrame], std::int16_t& sineDetector);

// LSP vector of the bandwidth-expanded LPC; the previous LSPs when not all roots are found.
void lpcToLsp(std::int16_t lsp[kLpcOrder], const std::int16_t lpc[kLpcOrder], const std::int16_t prevLsp[kLpcOrder]);

// Vector-quantises the LSPs (destroys lsp); returns the packed index.
std::int32_t quantiseLsp(std::int16_t lsp[kLpcOrder], const std::int16_t prevLsp[kLpcOrder], const CoderTables& tables);

// Zero and pole coefficients of the formant weighting filter of each subframe.
void weightingLpc(std::int16_t perLpc[2 * kSubFrames * kLpcOrder], const std::int16_t lpc[kSubFrames * kLpcOrder]);

struct WeightingState {
  std::int16_t firDelay[kLpcOrder] = {};
  std::int16_t iirDelay[kLpcOrder] = {};
};

// Applies the formant weighting filter to a frame in place.
void weightFrame(std::int16_t frame[kFrame], const std::int16_t perLpc[2 * kSubFrames * kLpcOrder], WeightingState& state);

}  // namespace g723
