#pragma once
// The decoder's synthesis filter and post-filters: pitch post-filter, formant post-filter
// with tilt compensation, and gain scaling.

#include <cstdint>

#include "voiceprompt/g723/constants.h"

namespace g723 {

struct PitchPostFilter {
  std::int16_t indx = 0;       // lag, negative = past samples, positive = later samples
  std::int16_t gain = 0;       // weight of the lagged excitation (Q15)
  std::int16_t scGn = 0x7fff;  // weight of the current excitation (Q15)
};

// Pitch post-filter of subframe sfc; buf holds kPitchMax samples of past excitation then
// the frame's excitation.
PitchPostFilter pitchPostFilter(const std::int16_t* buf, std::int16_t olp, int sfc);
void applyPitchPostFilter(std::int16_t* out, const std::int16_t* buf, PitchPostFilter pf, int sfc);

struct SynthesisState {
  std::int16_t syntIir[kLpcOrder] = {};
  std::int16_t postFir[kLpcOrder] = {};
  std::int16_t postIir[kLpcOrder] = {};
  std::int16_t park = 0;
  std::int16_t gain = 0x1000;
};

// LPC synthesis of one subframe in place (output at half scale; gain scaling restores it).
void synthesise(std::int16_t speech[kSubFrLen], const std::int16_t lpc[kLpcOrder], SynthesisState& state);

// Formant post-filter in place; returns the energy of its input for the gain scaling.
std::int32_t formantPostFilter(std::int16_t speech[kSubFrLen], const std::int16_t lpc[kLpcOrder], SynthesisState& state);

void scaleGain(std::int16_t speech[kSubFrLen], std::int32_t inputEnergy, SynthesisState& state);

}  // namespace g723
