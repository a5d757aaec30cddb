#pragma once
// Packing designed stages into the 42-word coefficient block the DSP runs, and back.
// Each coefficient is a signed 2.30 fixed-point number split into two 16-bit words, high
// word first; a stage is b2, b1, a2, a1; the last two words are the overall gain.

#include <array>

#include "paramtool/coefficient_block.h"
#include "paramtool/eq_design.h"

namespace paramtool {

// The two words of a 2.30 value. Values outside the representable range [-2, 2) saturate
// to its ends (`saturated` is set) rather than wrap into a value of the other sign.
struct Words30 {
  int16_t hi = 0;
  int16_t lo = 0;
  bool saturated = false;
};
Words30 splitCoefficient(double coefficient);
// hi taken as signed, lo as unsigned: hi / 2^14 + lo / 2^30.
double joinCoefficient(int16_t hi, int16_t lo);

// The overall gain: an unsigned value of the same scale, [0, 4).
Words30 splitOverallGain(double gain);
double joinOverallGain(int16_t hi, int16_t lo);

struct PackedBlock {
  CoefficientBlock block;
  bool saturated = false;  // some coefficient or the overall gain did not fit
};

// Packs the first `count` stages in ascending order of their centre gain, stages with a
// centre gain of exactly 1 after all others; missing stages are zero words. The overall
// gain is 10^(globalGainDb/20) times the product of the stages' normalisation gains.
PackedBlock packCoefficientBlock(const Biquad* stages, int count, double globalGainDb);

// The order in which `count` stages are packed (indexes into the stages).
std::array<int, kEqStages> packingOrder(const Biquad* stages, int count);

// The five stages of a block (b0 = a0 = 1, gain 1, order 2) and the overall gain G.
struct BlockStages {
  std::array<Biquad, kEqStages> stages{};
  double overallGain = 0.0;
};
BlockStages blockStages(const CoefficientBlock& block);

// A block opened for editing: its stages, how many count, and the global gain in dB,
// truncated towards zero to a multiple of 1/16 dB.
struct UnpackedBlock {
  std::array<Biquad, kEqStages> stages{};
  int stageCount = 0;
  double globalGainDb = 0.0;
};
UnpackedBlock unpackCoefficientBlock(const CoefficientBlock& block);

// 20*log10(G), kept at or above the lowest global gain the designer accepts (-100 dB), so
// a block whose gain words are zero opens as -100 dB rather than minus infinity.
double overallGainDb(double overallGain);

}  // namespace paramtool
