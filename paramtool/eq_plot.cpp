#include "paramtool/eq_plot.h"

#include <algorithm>
#include <cmath>

#include "paramtool/eq_design.h"

namespace paramtool {

namespace {

// The first bin of the logarithmic axis, about 10 Hz on a 48 kHz grid.
int logAxisStart(int points) { return points * 10 / 48000; }

double valueAt(const std::vector<double>& curve, double bin) {
  const int last = static_cast<int>(curve.size()) - 1;
  if (bin <= 0.0) return curve.front();
  const int lo = static_cast<int>(std::floor(bin));
  if (lo >= last) return curve.back();
  const double frac = bin - lo;
  return curve[lo] + (curve[lo + 1] - curve[lo]) * frac;
}

}  // namespace

PlotRect plotArea(int clientWidth, int clientHeight) {
  PlotRect area;
  area.left = clientWidth * 350 / 882;
  area.right = clientWidth - clientWidth * 19 / 882;
  area.top = clientHeight * 20 / 566;
  area.bottom = clientHeight - clientHeight * 18 / 566;
  return area;
}

double columnBin(int column, int width, int points, bool logScale) {
  if (!logScale) return static_cast<double>((column - 1) * points / width);
  const int d = logAxisStart(points);
  const double e = std::pow(static_cast<double>(points - d), 1.0 / width);
  const double bin = d + std::pow(e, column) - 1.0;
  return std::clamp(bin, 0.0, static_cast<double>(points - 1));
}

std::vector<double> columnValues(const std::vector<double>& curve, int width, bool logScale) {
  std::vector<double> values;
  if (width <= 0 || curve.empty()) return values;
  const int points = static_cast<int>(curve.size());
  values.reserve(static_cast<std::size_t>(width));
  for (int column = 1; column <= width; ++column) {
    const double start = columnBin(column, width, points, logScale);
    // A column covers the bins up to the next column's; the last one up to the grid's end.
    const double end =
        column < width ? columnBin(column + 1, width, points, logScale) : points - 1.0;
    const double own = valueAt(curve, start);
    const double next = valueAt(curve, end);
    const auto first = curve.begin() + static_cast<long>(std::ceil(start));
    const auto last = curve.begin() + static_cast<long>(std::floor(end)) + 1;
    if (first >= last) {
      values.push_back(own);
      continue;
    }
    const auto [lowest, highest] = std::minmax_element(first, last);
    if (*lowest < own && *lowest < next) {
      values.push_back(*lowest);
    } else if (*highest > own && *highest > next) {
      values.push_back(*highest);
    } else {
      values.push_back(own);
    }
  }
  return values;
}

double levelToY(double magnitude, const PlotRect& area, int top, int bottom) {
  const double span = top + bottom;
  double below = span;  // the lower edge, also for magnitudes without a level
  if (magnitude > 0.0) {
    const double level = top - linearToDb(magnitude);
    below = std::clamp(level, 0.0, span);
  }
  return area.top + area.height() * below / span;
}

double frequencyColumn(double hz, int width, int points, double sampleRate, bool logScale) {
  const double bin = hz * 2.0 / sampleRate * points;
  if (!logScale) return 1.0 + bin * width / points;
  const int d = logAxisStart(points);
  const double fromStart = bin - d + 1.0;
  if (fromStart <= 0.0) return -HUGE_VAL;
  return width * std::log(fromStart) / std::log(static_cast<double>(points - d));
}

std::vector<int> levelGridLines(int top, int bottom) {
  const int step = std::max(1, (top + bottom) / 8);
  std::vector<int> levels;
  for (int level = top; level >= -bottom; level -= step) levels.push_back(level);
  return levels;
}

double linearGridSpacing(double sampleRate) {
  for (double unit = 1000.0; unit >= 1.0; unit /= 10.0) {
    const double spacing = roundHalfUp(sampleRate / (10.0 * unit)) * unit;
    if (spacing > 0.0) return spacing;
  }
  return 1.0;
}

std::vector<double> frequencyGridLines(double sampleRate, bool logScale) {
  std::vector<double> lines;
  const double nyquist = sampleRate / 2.0;
  if (logScale) {
    for (double hz : {10.0, 50.0, 100.0, 500.0, 1000.0, 5000.0, 10000.0})
      if (hz < nyquist) lines.push_back(hz);
    return lines;
  }
  const double spacing = linearGridSpacing(sampleRate);
  for (int k = 1; k * spacing < nyquist; ++k) lines.push_back(k * spacing);
  return lines;
}

}  // namespace paramtool
