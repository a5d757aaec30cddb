#pragma once
// One equaliser coefficient block as the module's DSP runs it: five second-order stages
// of eight 16-bit words (b2, b1, a2, a1 as signed 2.30 values, each split high word
// first), then the two words of the overall gain. Stored big-endian in the EEPROM table.

#include <array>
#include <cstddef>
#include <cstdint>

namespace paramtool {

struct CoefficientBlock {
  static constexpr std::size_t kStages = 5;
  static constexpr std::size_t kWordsPerStage = 8;
  static constexpr std::size_t kWords = kStages * kWordsPerStage + 2;  // 42
  static constexpr std::size_t kBytes = kWords * 2;                     // 84

  std::array<int16_t, kWords> words{};

  bool operator==(const CoefficientBlock& other) const { return words == other.words; }
  bool operator!=(const CoefficientBlock& other) const { return !(*this == other); }
};

}  // namespace paramtool
