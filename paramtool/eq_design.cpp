#include "paramtool/eq_design.h"

#include <algorithm>
#include <cmath>

namespace paramtool {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPow30 = 1073741824.0;
}  // namespace

double roundHalfUp(double x) {
  const double whole = std::floor(x);
  return (x - whole >= 0.5) ? whole + 1.0 : whole;
}

double quantise30(double coefficient) { return roundHalfUp(coefficient * kTwoPow30) / kTwoPow30; }

double dbToLinear(double db) { return std::pow(10.0, db / 20.0); }
double linearToDb(double linear) { return 20.0 * std::log10(linear); }

bool designPeakingStage(double frequency, double linearGain, double q, double sampleRate,
                        Biquad& out) {
  if (sampleRate / 2.0 - frequency <= 0.0) return false;
  Biquad stage;
  stage.centreGain = linearGain;
  if (linearGain == 1.0) {
    out = stage;
    return true;
  }
  const double k = std::tan(kPi * frequency / sampleRate);
  const double kk = k * k;
  const double n0 = 1.0 + linearGain * k / q + kk;
  const double n2 = 1.0 - linearGain * k / q + kk;
  const double d0 = 1.0 + k / q + kk;
  const double d2 = 1.0 - k / q + kk;
  const double middle = 2.0 * (kk - 1.0);  // N1 and D1 are the same
  stage.order = 2;
  stage.b1 = middle / n0;
  stage.b2 = n2 / n0;
  stage.a1 = middle / d0;
  stage.a2 = d2 / d0;
  stage.gain = n0 / d0;
  out = stage;
  return true;
}

void quantiseStage(Biquad& stage) {
  stage.b1 = quantise30(stage.b1);
  stage.b2 = quantise30(stage.b2);
  stage.a1 = quantise30(stage.a1);
  stage.a2 = quantise30(stage.a2);
}

ResponseGrid::ResponseGrid(int points) {
  const std::size_t n = points > 0 ? static_cast<std::size_t>(points) : 0;
  cos1_.resize(n);
  sin1_.resize(n);
  cos2_.resize(n);
  sin2_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double w = kPi * static_cast<double>(i) / static_cast<double>(n);
    cos1_[i] = std::cos(w);
    sin1_[i] = std::sin(w);
    cos2_[i] = std::cos(2.0 * w);
    sin2_[i] = std::sin(2.0 * w);
  }
}

double ResponseGrid::binFrequency(int bin, int points, double sampleRate) {
  return static_cast<double>(bin) / static_cast<double>(points) * sampleRate / 2.0;
}

void multiplyStageResponse(const Biquad& s, const ResponseGrid& grid,
                           std::vector<double>& response) {
  const std::size_t n = std::min(response.size(), grid.cos1_.size());
  for (std::size_t i = 0; i < n; ++i) {
    // With z^-1 = cos w - j sin w: real and imaginary parts of numerator and denominator.
    const double nr = s.b0 + s.b1 * grid.cos1_[i] + s.b2 * grid.cos2_[i];
    const double ni = s.b1 * grid.sin1_[i] + s.b2 * grid.sin2_[i];
    const double dr = s.a0 + s.a1 * grid.cos1_[i] + s.a2 * grid.cos2_[i];
    const double di = s.a1 * grid.sin1_[i] + s.a2 * grid.sin2_[i];
    response[i] *= s.gain * std::sqrt((nr * nr + ni * ni) / (dr * dr + di * di));
  }
}

std::vector<double> cascadeResponse(const Biquad* stages, int count, double globalGainDb,
                                    const ResponseGrid& grid) {
  std::vector<double> response(static_cast<std::size_t>(grid.points()), dbToLinear(globalGainDb));
  for (int k = 0; k < count; ++k) multiplyStageResponse(stages[k], grid, response);
  return response;
}

bool exceedsPeakLimit(const std::vector<double>& response) {
  return std::any_of(response.begin(), response.end(), [](double v) { return v > kPeakLimit; });
}

EqCalculation calculateEq(const EqDesign& design, const ResponseGrid& grid) {
  if (design.points > 0 && grid.points() != design.points)
    return calculateEq(design, ResponseGrid(design.points));
  EqCalculation result;
  const int count = std::clamp(design.stageCount, 0, kEqStages);
  for (int k = 0; k < count; ++k) {
    const EqStage& row = design.stages[k];
    Biquad& stage = result.stages[k];
    if (!designPeakingStage(row.frequency, dbToLinear(row.gainDb), row.q, design.sampleRate,
                            stage)) {
      result.status = EqStatus::FrequencyIncorrect;
      result.failedStage = k + 1;
      return result;
    }
    quantiseStage(stage);
  }
  result.response = cascadeResponse(result.stages.data(), count, design.globalGainDb, grid);
  result.peakWarning = exceedsPeakLimit(result.response);
  return result;
}

}  // namespace paramtool
