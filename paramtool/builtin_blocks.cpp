#include "paramtool/builtin_blocks.h"

#include <cstdint>
#include <initializer_list>

namespace paramtool {
namespace {

// Builds a block from its words as written in hex; missing words stay 0.
constexpr CoefficientBlock blockFromWords(std::initializer_list<uint16_t> words) {
  CoefficientBlock block;
  std::size_t i = 0;
  for (uint16_t w : words) block.words[i++] = static_cast<int16_t>(w);
  return block;
}

// Stage words 0-31 and the gain words 40-41; words 32-39 (the fifth stage) are zero.
constexpr CoefficientBlock shapingBlock(std::initializer_list<uint16_t> stageWords, uint16_t gainHigh, uint16_t gainLow) {
  CoefficientBlock block = blockFromWords(stageWords);
  block.words[40] = static_cast<int16_t>(gainHigh);
  block.words[41] = static_cast<int16_t>(gainLow);
  return block;
}

}  // namespace

const CoefficientBlock kFlatBlock = shapingBlock({}, 0x4000, 0x0000);

const CoefficientBlock kAecShapingBlock8k = shapingBlock(
    {0x2DD8, 0x9208, 0xA721, 0xFB0A, 0x22ED, 0x217C, 0xAFF7, 0x89EF,
     0x2DEA, 0xF9BF, 0x936F, 0x7640, 0x2587, 0x6987, 0x9BB8, 0x95CF,
     0x0B06, 0xA857, 0xDDF0, 0x5C24, 0x188C, 0xEBE8, 0xD7CC, 0x8666,
     0x1208, 0x7E12, 0x3A01, 0x9733, 0x1E90, 0xDF16, 0x42DE, 0x41D5},
    0x486F, 0x90AF);

const CoefficientBlock kAecShapingBlock16k = shapingBlock(
    {0x3820, 0x8B84, 0x883E, 0x413E, 0x3132, 0x9B95, 0x8F26, 0xB941,
     0x36CC, 0xE54E, 0x8F03, 0x9E0A, 0x2EDE, 0xA40D, 0x968E, 0x8127,
     0x1753, 0x345D, 0xB95A, 0x4276, 0x22ED, 0x217C, 0xAFF7, 0x89EF,
     0x0645, 0xFBEE, 0xE51B, 0x87F9, 0x178E, 0x0E5F, 0xDE7E, 0x8316},
    0x4F70, 0x6741);

}  // namespace paramtool
