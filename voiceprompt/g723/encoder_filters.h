#pragma once
// The encoder's combined synthesis, formant-weighting and harmonic filters: impulse
// response for the codebook searches, the ringing of past subframes, and the update of
// the filter memories with the chosen excitation.

#include <cstdint>

#include "voiceprompt/g723/constants.h"
#include "voiceprompt/g723/pitch.h"

namespace g723 {

struct RingingState {
  std::int16_t firDelay[kLpcOrder] = {};
  std::int16_t iirDelay[kLpcOrder] = {};
  std::int16_t prevErr[kPitchMax] = {};
};

void impulseResponse(std::int16_t ir[kSubFrLen], const std::int16_t qntLpc[kLpcOrder],
                     const std::int16_t perLpc[2 * kLpcOrder], HarmonicFilter pw);

// Subtracts the zero-input response of the filters from the subframe's target.
void subtractRinging(std::int16_t target[kSubFrLen], const std::int16_t qntLpc[kLpcOrder],
                     const std::int16_t perLpc[2 * kLpcOrder], const RingingState& state, HarmonicFilter pw);

// Runs the subframe's excitation through the filters to update their memories
// (overwrites exc with the synthesised signal).
void updateRinging(std::int16_t exc[kSubFrLen], const std::int16_t qntLpc[kLpcOrder],
                   const std::int16_t perLpc[2 * kLpcOrder], RingingState& state);

}  // namespace g723
