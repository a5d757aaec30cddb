#include "paramtool/eq_validation.h"

#include <cmath>
#include <cstdio>

#include "paramtool/eq_texts.h"

namespace paramtool {

namespace eq_range {
const EqFieldRange kFrequency{"Frequency", 1, 200000, false, false};
const EqFieldRange kGainDb{"Gain(dB)", -100, 20, false, false};
const EqFieldRange kQ{"Q", 0, 1000, false, true};
const EqFieldRange kSampleRate{"Sample Frequency", 1, 200000, false, false};
const EqFieldRange kGlobalGainDb{"Global Gain(dB)", -100, 40, false, false};
const EqFieldRange kPoints{"Accuracy", 2048, 16384, true, false};
const EqFieldRange kStageCount{"Stage", 1, 5, true, false};
const EqFieldRange kTop{"Y range top", 1, 100, true, false};
const EqFieldRange kBottom{"Y range bottom", 1, 200, true, false};
const EqFieldRange kIterations{"Iteration", 1, 100, true, false};
}  // namespace eq_range

bool inRange(const EqFieldRange& range, double value) {
  // Written so that NaN is refused too.
  const bool aboveLow = range.aboveMinimum ? value > range.minimum : value >= range.minimum;
  if (!(aboveLow && value <= range.maximum)) return false;
  return !range.integer || std::floor(value) == value;
}

std::optional<EqRangeViolation> validateEqDesign(const EqDesign& d) {
  using namespace eq_range;
  for (int k = 0; k < kEqStages; ++k) {
    if (!inRange(kFrequency, d.stages[k].frequency))
      return EqRangeViolation{&kFrequency, k + 1, d.stages[k].frequency};
  }
  for (int k = 0; k < kEqStages; ++k) {
    if (!inRange(kGainDb, d.stages[k].gainDb))
      return EqRangeViolation{&kGainDb, k + 1, d.stages[k].gainDb};
  }
  for (int k = 0; k < kEqStages; ++k) {
    if (!inRange(kQ, d.stages[k].q)) return EqRangeViolation{&kQ, k + 1, d.stages[k].q};
  }
  if (!inRange(kGlobalGainDb, d.globalGainDb))
    return EqRangeViolation{&kGlobalGainDb, 0, d.globalGainDb};
  if (!inRange(kSampleRate, d.sampleRate)) return EqRangeViolation{&kSampleRate, 0, d.sampleRate};
  if (!inRange(kPoints, d.points)) return EqRangeViolation{&kPoints, 0, double(d.points)};
  if (!inRange(kStageCount, d.stageCount))
    return EqRangeViolation{&kStageCount, 0, double(d.stageCount)};
  return std::nullopt;
}

namespace {
std::string formatLimit(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}
}  // namespace

std::string rangeMessage(const EqFieldRange& range) {
  std::string text = range.integer ? eq_text::kIntegerRange : eq_text::kNumberRange;
  replaceAll(text, "%1", formatLimit(range.minimum));
  replaceAll(text, "%2", formatLimit(range.maximum));
  return text;
}

}  // namespace paramtool
