#include "paramtool/eq_pack.h"

#include <cmath>
#include <utility>

#include "paramtool/eq_validation.h"

namespace paramtool {

namespace {
constexpr double kTwoPow14 = 16384.0;
constexpr double kTwoPow30 = 1073741824.0;
constexpr double kWordSpan = 65536.0;

int16_t asWord(double value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

// Splits a value whose high word is in [hiMin, hiMax]; the low word is the next 16 bits.
Words30 split(double value, double hiMin, double hiMax) {
  Words30 words;
  if (std::isnan(value)) {
    words.saturated = true;
    return words;
  }
  const double scaled = value * kTwoPow14;
  double hi = std::floor(scaled);
  double lo = std::floor((scaled - hi) * kWordSpan);
  if (hi < hiMin) {
    hi = hiMin;
    lo = 0.0;
    words.saturated = true;
  } else if (hi > hiMax) {
    hi = hiMax;
    lo = kWordSpan - 1.0;
    words.saturated = true;
  }
  words.hi = asWord(hi < 0.0 ? hi + kWordSpan : hi);
  words.lo = asWord(lo);
  return words;
}

uint16_t unsignedWord(int16_t word) { return static_cast<uint16_t>(word); }
}  // namespace

Words30 splitCoefficient(double coefficient) { return split(coefficient, -32768.0, 32767.0); }

double joinCoefficient(int16_t hi, int16_t lo) {
  return hi / kTwoPow14 + unsignedWord(lo) / kTwoPow30;
}

Words30 splitOverallGain(double gain) { return split(gain, 0.0, 65535.0); }

double joinOverallGain(int16_t hi, int16_t lo) {
  return unsignedWord(hi) / kTwoPow14 + unsignedWord(lo) / kTwoPow30;
}

std::array<int, kEqStages> packingOrder(const Biquad* stages, int count) {
  std::array<int, kEqStages> order{0, 1, 2, 3, 4};
  for (int pass = 0; pass < count; ++pass) {
    for (int j = 0; j + 1 < count; ++j) {
      const double earlier = stages[order[j]].centreGain;
      const double later = stages[order[j + 1]].centreGain;
      if (later != 1.0 && (later < earlier || earlier == 1.0)) std::swap(order[j], order[j + 1]);
    }
  }
  return order;
}

PackedBlock packCoefficientBlock(const Biquad* stages, int count, double globalGainDb) {
  PackedBlock packed;
  auto& words = packed.block.words;
  auto put = [&](std::size_t at, const Words30& w) {
    words[at] = w.hi;
    words[at + 1] = w.lo;
    packed.saturated = packed.saturated || w.saturated;
  };
  const auto order = packingOrder(stages, count);
  double overall = dbToLinear(globalGainDb);
  for (int position = 0; position < count; ++position) {
    const Biquad& s = stages[order[position]];
    const std::size_t at = static_cast<std::size_t>(position) * CoefficientBlock::kWordsPerStage;
    put(at, splitCoefficient(s.b2));
    put(at + 2, splitCoefficient(s.b1));
    put(at + 4, splitCoefficient(s.a2));
    put(at + 6, splitCoefficient(s.a1));
    overall *= s.gain;
  }
  put(CoefficientBlock::kWords - 2, splitOverallGain(quantise30(overall)));
  return packed;
}

BlockStages blockStages(const CoefficientBlock& block) {
  BlockStages result;
  const auto& w = block.words;
  for (std::size_t k = 0; k < CoefficientBlock::kStages; ++k) {
    const std::size_t at = k * CoefficientBlock::kWordsPerStage;
    Biquad& s = result.stages[k];
    s.order = 2;
    s.b2 = joinCoefficient(w[at], w[at + 1]);
    s.b1 = joinCoefficient(w[at + 2], w[at + 3]);
    s.a2 = joinCoefficient(w[at + 4], w[at + 5]);
    s.a1 = joinCoefficient(w[at + 6], w[at + 7]);
  }
  result.overallGain =
      joinOverallGain(w[CoefficientBlock::kWords - 2], w[CoefficientBlock::kWords - 1]);
  return result;
}

double overallGainDb(double overallGain) {
  const double lowest = eq_range::kGlobalGainDb.minimum;
  const double db = linearToDb(overallGain);
  return db > lowest ? db : lowest;
}

UnpackedBlock unpackCoefficientBlock(const CoefficientBlock& block) {
  const BlockStages loaded = blockStages(block);
  UnpackedBlock result;
  result.stages = loaded.stages;
  // A stage of four zero coefficients does not count. Counting up to the last stage that
  // does keeps a real stage behind an all-zero one in the cascade.
  for (int k = 0; k < kEqStages; ++k) {
    const Biquad& s = loaded.stages[k];
    if (s.b1 != 0.0 || s.b2 != 0.0 || s.a1 != 0.0 || s.a2 != 0.0) result.stageCount = k + 1;
  }
  result.globalGainDb = std::trunc(overallGainDb(loaded.overallGain) * 16.0) / 16.0;
  return result;
}

}  // namespace paramtool
