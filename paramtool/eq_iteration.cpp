#include "paramtool/eq_iteration.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "paramtool/eq_validation.h"

namespace paramtool {

namespace {

// Only the rows that take part are sorted: a disabled row of lower frequency must not swap
// places with an enabled one and be designed in its stead.
void sortByFrequency(std::array<EqStage, kEqStages>& rows, int count) {
  for (int pass = 0; pass < count; ++pass)
    for (int j = 0; j + 1 < count; ++j)
      if (rows[j + 1].frequency < rows[j].frequency) std::swap(rows[j], rows[j + 1]);
}

// The target between two neighbours: the geometric or the arithmetic mean of their
// targets, whichever lies closer to 1 (the geometric one on a tie).
double midTarget(double left, double right) {
  const double geometric = std::sqrt(left * right);
  const double arithmetic = (left + right) / 2.0;
  return std::fabs(geometric - 1.0) <= std::fabs(arithmetic - 1.0) ? geometric : arithmetic;
}

// The response between two centre bins; where both targets lie on the same side of 0 dB a
// bump or dip between them counts with its extreme, not just its middle.
double levelBetween(const std::vector<double>& r, int lo, int hi, bool sameSide) {
  double m = r[static_cast<std::size_t>((lo + hi) / 2)];
  if (!sameSide) return m;
  const auto first = r.begin() + lo;
  const auto last = r.begin() + hi + 1;
  if (m > r[lo] && m > r[hi]) return *std::max_element(first, last);
  if (m < r[lo] && m < r[hi]) return *std::min_element(first, last);
  return m;
}

}  // namespace

EqIterationResult iterateEq(const EqDesign& design, int iterations, const ResponseGrid& grid) {
  EqIterationResult result;
  result.design = design;
  auto& rows = result.design.stages;
  const int n = std::clamp(design.stageCount, 0, kEqStages);
  sortByFrequency(rows, n);

  const double fs = design.sampleRate;
  for (int k = 0; k < n; ++k) {
    if (rows[k].frequency >= fs) {
      EqIterationResult failed;
      failed.status = EqStatus::FrequencyIncorrect;
      failed.failedStage = k + 1;
      failed.design = design;
      return failed;
    }
  }

  const double g = dbToLinear(design.globalGainDb);
  const int lastBin = grid.points() - 1;
  const double lowestGain = dbToLinear(eq_range::kGainDb.minimum);
  std::array<double, kEqStages> gain{}, q{}, target{};
  std::array<int, kEqStages> bin{};
  for (int k = 0; k < n; ++k) {
    gain[k] = dbToLinear(rows[k].gainDb);
    q[k] = rows[k].q;
    target[k] = g * gain[k];
    // A centre between fs/2 and fs lies beyond the grid; its bin is the grid's last.
    const double exact = std::trunc(grid.points() * rows[k].frequency * 2.0 / fs);
    bin[k] = static_cast<int>(std::min(exact, static_cast<double>(lastBin)));
  }

  std::array<Biquad, kEqStages> stages{};
  for (int round = 0; round < iterations; ++round) {
    for (int k = 0; k < n; ++k) designPeakingStage(rows[k].frequency, gain[k], q[k], fs, stages[k]);
    const std::vector<double> r = cascadeResponse(stages.data(), n, design.globalGainDb, grid);

    for (int k = 0; k < n; ++k) {
      gain[k] += (target[k] - r[bin[k]]) * 0.5 / g;
      // A step past zero would turn the gain into a phase flip and its dB value into NaN.
      if (!(gain[k] > 0.0)) gain[k] = lowestGain;
    }
    for (int k = 0; k + 1 < n; ++k) {
      const bool sameSide = (target[k] > 1.0 && target[k + 1] > 1.0) ||
                            (target[k] < 1.0 && target[k + 1] < 1.0);
      const double mid = midTarget(target[k], target[k + 1]);
      double d = std::log10(levelBetween(r, bin[k], bin[k + 1], sameSide) / mid);
      if (!(d > std::log10(0.02 * mid))) d = 0.0;
      const double x = mid >= 1.0 ? d * 0.5 : d * -0.5;
      q[k] *= std::exp(x);
      q[k + 1] *= std::exp(x);
    }
  }

  for (int k = 0; k < n; ++k) {
    rows[k].gainDb = linearToDb(gain[k]);
    rows[k].q = q[k];
  }
  return result;
}

}  // namespace paramtool
