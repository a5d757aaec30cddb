#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "paramtool/builtin_blocks.h"
#include "paramtool/eq_design.h"
#include "paramtool/eq_pack.h"
#include "paramtool/eq_texts.h"

namespace paramtool {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The analog peaking prototype H(s) = (s^2 + (A/Q) s + 1) / (s^2 + s/Q + 1), reached from the
// digital frequency w by the bilinear transform prewarped at f0: s = j tan(w/2) / tan(pi f0/fs).
double analogPeakingMagnitude(double w, const EqStage& row, double fs) {
  const double a = std::pow(10.0, row.gainDb / 20.0);
  const std::complex<double> s(0.0, std::tan(w / 2.0) / std::tan(kPi * row.frequency / fs));
  const std::complex<double> num = s * s + (a / row.q) * s + 1.0;
  const std::complex<double> den = s * s + s / row.q + 1.0;
  return std::abs(num / den);
}

EqDesign fiveStageDesign() {
  EqDesign d;
  d.stageCount = 5;
  d.sampleRate = 48000;
  d.globalGainDb = -3;
  d.points = 4096;
  d.stages = {{{100, 6, 0.7}, {400, -9, 2}, {1500, 3, 1}, {6000, -4, 4}, {14000, 5, 0.5}}};
  return d;
}

TEST(EqDesign, RoundingTakesHalvesUpAlsoBelowZero) {
  struct Case { double x, rounded; } cases[] = {
      {2.5, 3}, {2.49, 2}, {-2.5, -2}, {-2.51, -3}, {-0.5, 0}, {7, 7}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfUp(c.x), c.rounded) << c.x;
  EXPECT_EQ(quantise30(0.5 + 0.4 / 1073741824.0), 0.5);
  EXPECT_EQ(quantise30(0.5 + 0.5 / 1073741824.0), 0.5 + 1 / 1073741824.0);
}

TEST(EqDesign, CascadeFollowsTheAnalogPrototypesOnTheWholeGrid) {
  const EqDesign d = fiveStageDesign();
  const ResponseGrid grid(d.points);
  const EqCalculation calc = calculateEq(d, grid);
  ASSERT_EQ(calc.status, EqStatus::Ok);
  ASSERT_EQ(calc.response.size(), static_cast<std::size_t>(d.points));
  const double g = std::pow(10.0, d.globalGainDb / 20.0);
  for (int i = 0; i < d.points; ++i) {
    const double w = kPi * i / d.points;
    double expected = g;
    for (const EqStage& row : d.stages) expected *= analogPeakingMagnitude(w, row, d.sampleRate);
    // Rounding the coefficients to 2^-30 moves the response by far less than 1e-5.
    ASSERT_NEAR(calc.response[i] / expected, 1.0, 1e-5) << "bin " << i;
  }
}

TEST(EqDesign, ResponseUsesTheRoundedCoefficients) {
  // Evaluated directly as a complex ratio in z, from the coefficients the DSP will run.
  const EqDesign d = fiveStageDesign();
  const ResponseGrid grid(d.points);
  const EqCalculation calc = calculateEq(d, grid);
  for (const Biquad& s : calc.stages) {
    EXPECT_EQ(s.b1, quantise30(s.b1));
    EXPECT_EQ(s.a2, quantise30(s.a2));
  }
  for (int i = 0; i < d.points; i += 97) {
    const std::complex<double> z1 = std::polar(1.0, -kPi * i / d.points);
    std::complex<double> h = std::pow(10.0, d.globalGainDb / 20.0);
    for (const Biquad& s : calc.stages)
      h *= s.gain * (s.b0 + s.b1 * z1 + s.b2 * z1 * z1) / (s.a0 + s.a1 * z1 + s.a2 * z1 * z1);
    EXPECT_NEAR(calc.response[i], std::abs(h), 1e-12 * std::abs(h)) << "bin " << i;
  }
}

TEST(EqDesign, StageMeetsItsGainAtTheCentreAndIsUnityAtTheEnds) {
  Biquad s;
  ASSERT_TRUE(designPeakingStage(3000, std::pow(10.0, 8 / 20.0), 1.5, 48000, s));
  EXPECT_EQ(s.order, 2);
  EXPECT_DOUBLE_EQ(s.b0, 1.0);
  EXPECT_DOUBLE_EQ(s.a0, 1.0);
  auto magnitude = [&](double w) {
    const std::complex<double> z1 = std::polar(1.0, -w);
    return std::abs(s.gain * (1.0 + s.b1 * z1 + s.b2 * z1 * z1) / (1.0 + s.a1 * z1 + s.a2 * z1 * z1));
  };
  EXPECT_NEAR(20 * std::log10(magnitude(2 * kPi * 3000 / 48000)), 8.0, 1e-9);
  EXPECT_NEAR(magnitude(0.0), 1.0, 1e-12);
  EXPECT_NEAR(magnitude(kPi), 1.0, 1e-9);
}

TEST(EqDesign, AllGainsZeroGiveFlatStagesAndTheFlatBlock) {
  EqDesign d;
  d.stages = {{{1000, 0, 1}, {2000, 0, 1}, {4000, 0, 1}, {8000, 0, 1}, {16000, 0, 1}}};
  const ResponseGrid grid(2048);
  d.points = 2048;
  const EqCalculation calc = calculateEq(d, grid);
  ASSERT_EQ(calc.status, EqStatus::Ok);
  for (const Biquad& s : calc.stages) EXPECT_EQ(s.order, 0);
  for (double v : calc.response) ASSERT_EQ(v, 1.0);
  const PackedBlock packed = packCoefficientBlock(calc.stages.data(), 5, d.globalGainDb);
  EXPECT_EQ(packed.block, kFlatBlock);  // 40 zero words, then 0x4000, 0x0000
}

TEST(EqDesign, CentreAtHalfTheRateFailsWithItsStageAndPassesAtTwiceTheRate) {
  EqDesign d;
  d.stageCount = 3;
  d.points = 2048;
  d.stages = {{{1000, 3, 1}, {24000, 3, 1}, {30000, 3, 1}, {8000, 0, 1}, {16000, 0, 1}}};
  const ResponseGrid grid(d.points);
  const EqCalculation failed = calculateEq(d, grid);
  EXPECT_EQ(failed.status, EqStatus::FrequencyIncorrect);
  EXPECT_EQ(failed.failedStage, 2);
  EXPECT_EQ(eq_text::frequencyIncorrect(failed.failedStage), "Filter2 central frequency incorrect!");

  d.sampleRate = 96000;
  EXPECT_EQ(calculateEq(d, grid).status, EqStatus::Ok);
}

TEST(EqDesign, PeakWarningAtThreeLinear) {
  struct Case { double gainDb; bool warns; } cases[] = {{12, true}, {9.5, false}, {9.6, true}};
  for (const auto& c : cases) {
    EqDesign d;
    d.stageCount = 1;
    d.points = 2048;
    d.stages[0] = {1000, c.gainDb, 1};
    const ResponseGrid grid(d.points);
    EXPECT_EQ(calculateEq(d, grid).peakWarning, c.warns) << c.gainDb << " dB";
  }
}

}  // namespace
}  // namespace paramtool
