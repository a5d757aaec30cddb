#include <gtest/gtest.h>

#include <cmath>

#include "paramtool/eq_design.h"
#include "paramtool/eq_iteration.h"

namespace paramtool {
namespace {

EqDesign twoStages(EqStage first, EqStage second) {
  EqDesign d;
  d.stageCount = 2;
  d.stages = {{first, second, {4000, 0, 1}, {8000, 0, 1}, {16000, 0, 1}}};
  return d;
}

double levelAtCentre(const std::vector<double>& response, const EqDesign& d, int k) {
  const int bin = static_cast<int>(d.points * d.stages[k].frequency * 2 / d.sampleRate);
  return 20.0 * std::log10(response[bin]);
}

TEST(EqIteration, OverlappingBoostsConvergeOnTheirEnteredGains) {
  // Two +6 dB stages half an octave apart add up to over 10 dB at each centre.
  const EqDesign d = twoStages({1500, 6, 1}, {1000, 6, 1});
  const ResponseGrid grid(d.points);
  const EqCalculation before = calculateEq(d, grid);
  EXPECT_GT(levelAtCentre(before.response, d, 0), 10.0);

  const EqIterationResult fitted = iterateEq(d, 20, grid);
  ASSERT_EQ(fitted.status, EqStatus::Ok);
  EXPECT_EQ(fitted.design.stages[0].frequency, 1000);  // rows come back in frequency order
  EXPECT_EQ(fitted.design.stages[1].frequency, 1500);
  EXPECT_LT(fitted.design.stages[0].gainDb, 6.0);
  const EqCalculation after = calculateEq(fitted.design, grid);
  for (int k = 0; k < 2; ++k) EXPECT_NEAR(levelAtCentre(after.response, fitted.design, k), 6.0, 0.1);
}

TEST(EqIteration, DisabledRowsKeepTheirPlaces) {
  // Row 3 is disabled; at 800 Hz it lies below the enabled rows but must not be fitted.
  EqDesign d = twoStages({3000, 4, 1}, {2000, 4, 1});
  d.stages[2] = {800, 0, 1};
  const ResponseGrid grid(d.points);
  const EqIterationResult result = iterateEq(d, 3, grid);
  EXPECT_EQ(result.design.stages[0].frequency, 2000);
  EXPECT_EQ(result.design.stages[1].frequency, 3000);
  EXPECT_EQ(result.design.stages[2].frequency, 800);
  EXPECT_EQ(result.design.stages[2].gainDb, 0.0);
}

TEST(EqIteration, CentreAtTheRateFailsWithItsPositionInFrequencyOrder) {
  EqDesign d = twoStages({48000, 3, 1}, {500, 3, 1});
  const ResponseGrid grid(d.points);
  const EqIterationResult result = iterateEq(d, 5, grid);
  EXPECT_EQ(result.status, EqStatus::FrequencyIncorrect);
  EXPECT_EQ(result.failedStage, 2);
  EXPECT_EQ(result.design.stages[0].frequency, 48000);  // nothing written back
}

TEST(EqIteration, CentreBetweenHalfTheRateAndTheRatePassesAndTheCalculationReportsIt) {
  // Its grid bin would lie beyond the response; the iteration reads the last bin instead.
  const EqDesign d = twoStages({1000, 3, 1}, {30000, 3, 1});
  const ResponseGrid grid(d.points);
  const EqIterationResult result = iterateEq(d, 5, grid);
  ASSERT_EQ(result.status, EqStatus::Ok);
  const EqCalculation calc = calculateEq(result.design, grid);
  EXPECT_EQ(calc.status, EqStatus::FrequencyIncorrect);
  EXPECT_EQ(calc.failedStage, 2);
}

TEST(EqIteration, GainThatWouldStepBelowZeroStaysAPositiveLevel) {
  // The neighbour's boost lifts the cut's centre far above its target: a plain step would
  // make the cut's linear gain negative and its level NaN.
  const EqDesign d = twoStages({1000, -20, 0.5}, {1300, 14, 0.5});
  const ResponseGrid grid(d.points);
  for (int rounds : {1, 5, 20}) {
    const EqIterationResult result = iterateEq(d, rounds, grid);
    for (int k = 0; k < 2; ++k) {
      EXPECT_TRUE(std::isfinite(result.design.stages[k].gainDb)) << rounds << " rounds, row " << k;
      EXPECT_GE(result.design.stages[k].gainDb, -100.0);
    }
  }
}

}  // namespace
}  // namespace paramtool
