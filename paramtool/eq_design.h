#pragma once
// Peaking-filter equaliser design: up to five second-order stages, each given by centre
// frequency, gain and Q, plus a global gain. The stages are designed by the bilinear
// transform, their feedback and feed-forward coefficients rounded to the DSP's 2.30 fixed
// point, and the magnitude response of the cascade evaluated on a grid of `points`
// frequencies from 0 Hz up to one step below fs/2.

#include <array>
#include <vector>

namespace paramtool {

constexpr int kEqStages = 5;

// One row of the designer: centre frequency (Hz), gain at that frequency (dB) and Q.
struct EqStage {
  double frequency = 0.0;
  double gainDb = 0.0;
  double q = 1.0;
};

// The designer's inputs.
struct EqDesign {
  int stageCount = kEqStages;  // 1-5: only the first stageCount rows are designed
  std::array<EqStage, kEqStages> stages{};
  double sampleRate = 48000.0;
  double globalGainDb = 0.0;
  int points = 16384;  // response grid size, 2048-16384
};

// One designed stage: H(z) = gain * (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2).
struct Biquad {
  int order = 0;  // 0 for a flat stage, 2 otherwise
  double gain = 1.0;
  double b0 = 1.0, b1 = 0.0, b2 = 0.0;
  double a0 = 1.0, a1 = 0.0, a2 = 0.0;
  // The linear gain A the stage was designed for (1 for flat and unpacked stages). It only
  // decides the order in which stages are packed.
  double centreGain = 1.0;
};

// r(x): halves round up, also for negative numbers (r(-2.5) == -2).
double roundHalfUp(double x);

// Rounds a coefficient to the nearest multiple of 2^-30, as the DSP holds it.
double quantise30(double coefficient);

// Designs one peaking stage for the linear gain A. Returns false, leaving `out` untouched,
// when the centre frequency is not below fs/2. A gain of exactly 1 gives a flat stage.
bool designPeakingStage(double frequency, double linearGain, double q, double sampleRate,
                        Biquad& out);

// Rounds b1, b2, a1 and a2 to 2.30 fixed point; gain, b0 and a0 stay as they are.
void quantiseStage(Biquad& stage);

// The cosines and sines of w and 2w for w = pi*i/points, i = 0 .. points-1, computed once and
// shared by every stage response on that grid.
class ResponseGrid {
 public:
  explicit ResponseGrid(int points);
  int points() const { return static_cast<int>(cos1_.size()); }
  // Frequency in Hz of grid bin i at the given sample rate.
  static double binFrequency(int bin, int points, double sampleRate);

 private:
  friend void multiplyStageResponse(const Biquad&, const ResponseGrid&, std::vector<double>&);
  std::vector<double> cos1_, sin1_, cos2_, sin2_;
};

// Multiplies `response` (grid.points() linear magnitudes) by the stage's magnitude response.
void multiplyStageResponse(const Biquad& stage, const ResponseGrid& grid,
                           std::vector<double>& response);

// The cascade of the first `count` stages times 10^(globalGainDb/20), on the grid.
std::vector<double> cascadeResponse(const Biquad* stages, int count, double globalGainDb,
                                    const ResponseGrid& grid);

// The cascade may not rise above this linear level (about 9.5 dB) without a warning.
constexpr double kPeakLimit = 3.0;
bool exceedsPeakLimit(const std::vector<double>& response);

enum class EqStatus {
  Ok,
  FrequencyIncorrect,  // a stage's centre frequency is not below fs/2 (or fs in the iteration)
};

// What "Calculate" produces: the designed and rounded stages, the cascade response and
// whether the peak warning is due. On FrequencyIncorrect, `failedStage` is 1-based and
// nothing else is meaningful.
struct EqCalculation {
  EqStatus status = EqStatus::Ok;
  int failedStage = 0;
  std::array<Biquad, kEqStages> stages{};
  std::vector<double> response;
  bool peakWarning = false;
};

// Designs the first stageCount stages (stopping at the first that fails), rounds them and
// computes the cascade response. The inputs must have passed validateEqDesign. The grid is
// the caller's, kept between calculations; one of another size is replaced by a fresh one.
EqCalculation calculateEq(const EqDesign& design, const ResponseGrid& grid);

double dbToLinear(double db);
double linearToDb(double linear);

}  // namespace paramtool
