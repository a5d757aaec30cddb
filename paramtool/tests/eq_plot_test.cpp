#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "paramtool/eq_plot.h"

namespace paramtool {
namespace {

TEST(EqPlot, AreaInsideTheClientRectangle) {
  const PlotRect area = plotArea(882, 566);
  EXPECT_EQ(area.left, 350);
  EXPECT_EQ(area.right, 863);
  EXPECT_EQ(area.top, 20);
  EXPECT_EQ(area.bottom, 548);
}

TEST(EqPlot, LinearColumnsShowTheirBinUnlessANotchOrPeakHidesInside) {
  // 16 bins on 4 columns: column i shows bin 4(i-1) and covers up to the next column's bin.
  const std::vector<double> curve{
      1.0, 1.0, 0.1, 1.0,   // column 1: a notch
      1.0, 1.0, 9.0, 1.0,   // column 2: a peak
      1.0, 0.9, 0.8, 0.7,   // column 3: a slope down to the next column's bin
      0.6, 0.7, 0.05, 0.8,  // column 4: a notch before the grid's end
  };
  const std::vector<double> values = columnValues(curve, 4, false);
  EXPECT_EQ(values, (std::vector<double>{0.1, 9.0, 1.0, 0.05}));
}

TEST(EqPlot, LogarithmicColumnsRunFromTheTenHertzBinToTheLastBin) {
  const int points = 16384, width = 1000;
  EXPECT_NEAR(columnBin(0, width, points, true), 3.0, 1e-9);  // 16384 * 10 / 48000 = 3
  EXPECT_NEAR(columnBin(width, width, points, true), points - 1, 1e-6);
  std::vector<double> ramp(points);
  for (int i = 0; i < points; ++i) ramp[i] = i;
  const std::vector<double> values = columnValues(ramp, width, true);
  ASSERT_EQ(values.size(), static_cast<std::size_t>(width));
  // Between bins the value is interpolated; on a rising ramp no column is a notch or a peak.
  for (int c = 1; c <= width; c += 111) EXPECT_NEAR(values[c - 1], columnBin(c, width, points, true), 1e-9);
  for (int c : {1, 500, 1000})
    EXPECT_NEAR(frequencyColumn(columnBin(c, width, points, true) * 24000.0 / points, width, points,
                                48000, true), c, 1e-6);
}

TEST(EqPlot, LevelsMapBetweenTopAndBottom) {
  const PlotRect area{0, 100, 500, 620};  // 520 pixels high
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case { double magnitude, y; } cases[] = {
      {std::pow(10.0, 12 / 20.0), 100}, {1.0, 220}, {std::pow(10.0, -40 / 20.0), 620},
      {100.0, 100}, {1e-6, 620}, {0.0, 620}, {-1.0, 620}, {nan, 620}};
  for (const auto& c : cases) EXPECT_NEAR(levelToY(c.magnitude, area, 12, 40), c.y, 1e-9) << c.magnitude;
}

TEST(EqPlot, GridLines) {
  EXPECT_EQ(levelGridLines(12, 40), (std::vector<int>{12, 6, 0, -6, -12, -18, -24, -30, -36}));
  EXPECT_EQ(levelGridLines(1, 1).size(), 3u);  // a step of at least 1 dB
  EXPECT_EQ(frequencyGridLines(8000, true), (std::vector<double>{10, 50, 100, 500, 1000}));
  EXPECT_EQ(frequencyGridLines(48000, false), (std::vector<double>{5000, 10000, 15000, 20000}));
}

TEST(EqPlot, LinearGridBelowFiveKilohertzStillHasAFewLines) {
  struct Case { double fs, spacing; } cases[] = {
      {48000, 5000}, {8000, 1000}, {5000, 1000}, {4999, 500}, {1000, 100}, {300, 30}, {4, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(linearGridSpacing(c.fs), c.spacing) << c.fs;
    EXPECT_LE(frequencyGridLines(c.fs, false).size(), 10u) << c.fs;
  }
}

}  // namespace
}  // namespace paramtool
