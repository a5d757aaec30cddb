#include <gtest/gtest.h>

#include <cmath>

#include "paramtool/eq_design.h"
#include "paramtool/eq_pack.h"

namespace paramtool {
namespace {

uint16_t u(int16_t word) { return static_cast<uint16_t>(word); }

EqCalculation designed(const EqDesign& d) {
  const ResponseGrid grid(d.points);
  EqCalculation calc = calculateEq(d, grid);
  EXPECT_EQ(calc.status, EqStatus::Ok);
  return calc;
}

EqDesign mixedDesign() {
  EqDesign d;
  d.points = 2048;
  d.globalGainDb = 2.5;
  d.stages = {{{200, 0, 1}, {700, 3, 2}, {2500, -6, 1.5}, {5000, 0, 1}, {11000, 1, 0.8}}};
  return d;
}

TEST(EqPack, CoefficientWords) {
  struct Case { double c; uint16_t hi, lo; bool saturated; } cases[] = {
      {-0.5, 0xE000, 0, false},
      {1.25, 20480, 0, false},
      {-2.0, 0x8000, 0, false},
      {1.0 + 3.0 / 1073741824.0, 0x4000, 3, false},
      {-1.0 / 1073741824.0, 0xFFFF, 0xFFFF, false},
      // Beyond the 2.30 range the words stay at its ends instead of wrapping to the other sign.
      {2.0, 0x7FFF, 0xFFFF, true},
      {-2.5, 0x8000, 0, true},
  };
  for (const auto& c : cases) {
    const Words30 w = splitCoefficient(c.c);
    EXPECT_EQ(u(w.hi), c.hi) << c.c;
    EXPECT_EQ(u(w.lo), c.lo) << c.c;
    EXPECT_EQ(w.saturated, c.saturated) << c.c;
    if (!c.saturated) {
      EXPECT_EQ(joinCoefficient(w.hi, w.lo), c.c);
    }
  }
}

TEST(EqPack, UnpackingGivesBackEveryRoundedCoefficientInPackingOrder) {
  const EqDesign d = mixedDesign();
  const EqCalculation calc = designed(d);
  const PackedBlock packed = packCoefficientBlock(calc.stages.data(), 5, d.globalGainDb);
  ASSERT_FALSE(packed.saturated);
  const auto order = packingOrder(calc.stages.data(), 5);
  const UnpackedBlock back = unpackCoefficientBlock(packed.block);
  EXPECT_EQ(back.stageCount, 3);  // the two 0 dB stages come last, as zero words
  for (int p = 0; p < 5; ++p) {
    const Biquad& original = calc.stages[order[p]];
    const Biquad& s = back.stages[p];
    EXPECT_EQ(s.b1, original.b1) << p;
    EXPECT_EQ(s.b2, original.b2) << p;
    EXPECT_EQ(s.a1, original.a1) << p;
    EXPECT_EQ(s.a2, original.a2) << p;
    EXPECT_EQ(s.gain, 1.0);
    EXPECT_EQ(s.order, 2);
  }
  // The stages come back with gain 1, so their normalisation is folded into the global gain.
  double overall = std::pow(10.0, d.globalGainDb / 20.0);
  for (const Biquad& s : calc.stages) overall *= s.gain;
  const double expectedDb = 20.0 * std::log10(overall);
  EXPECT_LE(std::fabs(back.globalGainDb - expectedDb), 1.0 / 16.0);
  EXPECT_EQ(back.globalGainDb * 16.0, std::trunc(back.globalGainDb * 16.0));
}

TEST(EqPack, StagesGoInAscendingGainWithZeroDecibelStagesLast) {
  const EqDesign d = mixedDesign();  // rows: 0, +3, -6, 0, +1 dB
  const EqCalculation calc = designed(d);
  const auto order = packingOrder(calc.stages.data(), 5);
  EXPECT_EQ(order, (std::array<int, 5>{2, 4, 1, 0, 3}));
  const PackedBlock packed = packCoefficientBlock(calc.stages.data(), 5, 0.0);
  const Words30 b2 = splitCoefficient(calc.stages[2].b2);
  EXPECT_EQ(packed.block.words[0], b2.hi);
  EXPECT_EQ(packed.block.words[1], b2.lo);
  for (std::size_t i = 24; i < 40; ++i) EXPECT_EQ(packed.block.words[i], 0) << i;
}

TEST(EqPack, MissingStagesAreZeroWords) {
  EqDesign d = mixedDesign();
  d.stageCount = 2;
  const EqCalculation calc = designed(d);
  const PackedBlock packed = packCoefficientBlock(calc.stages.data(), 2, 0.0);
  EXPECT_NE(packed.block.words[0], 0);
  for (std::size_t i = 8; i < 40; ++i) EXPECT_EQ(packed.block.words[i], 0) << i;
}

TEST(EqPack, OverallGainAboveTheWordRangeSaturatesInsteadOfWrapping) {
  Biquad flat;
  const PackedBlock loud = packCoefficientBlock(&flat, 1, 40.0);  // 100 linear
  EXPECT_TRUE(loud.saturated);
  EXPECT_EQ(u(loud.block.words[40]), 0xFFFF);
  EXPECT_EQ(u(loud.block.words[41]), 0xFFFF);
  const PackedBlock fits = packCoefficientBlock(&flat, 1, 12.0);  // 3.98 linear
  EXPECT_FALSE(fits.saturated);
  EXPECT_NEAR(joinOverallGain(fits.block.words[40], fits.block.words[41]), 3.981, 1e-3);
}

TEST(EqPack, ZeroGainWordsOpenAtTheLowestGlobalGain) {
  const UnpackedBlock back = unpackCoefficientBlock(CoefficientBlock{});
  EXPECT_EQ(back.stageCount, 0);
  EXPECT_EQ(back.globalGainDb, -100.0);
}

TEST(EqPack, StageBehindAnAllZeroStageStillCounts) {
  CoefficientBlock block;
  block.words[0] = 0x1000;   // stage 1: b2 = 0.25
  block.words[24] = 0x2000;  // stage 4: b2 = 0.5; stages 2 and 3 are zero
  block.words[40] = 0x4000;
  const UnpackedBlock back = unpackCoefficientBlock(block);
  EXPECT_EQ(back.stageCount, 4);
  EXPECT_EQ(back.stages[3].b2, 0.5);
  EXPECT_EQ(back.globalGainDb, 0.0);
}

}  // namespace
}  // namespace paramtool
