#pragma once
// G.723.1 encoder at 6.3 kbit/s: high-pass filter on, no voice activity detection.

#include <cstdint>

#include "voiceprompt/g723/adaptive_codebook.h"
#include "voiceprompt/g723/analysis.h"
#include "voiceprompt/g723/constants.h"
#include "voiceprompt/g723/encoder_filters.h"

namespace g723 {

class CoderTables;
class Probe;

class Encoder {
 public:
  // The encoder reads the tables at every frame; they must outlive it.
  explicit Encoder(const CoderTables& tables, bool limitGainSearch = false);

  void reset();
  void setGainSearchLimit(bool on) { limitGainSearch_ = on; }
  void setProbe(Probe* probe) { probe_ = probe; }

  // Encodes 240 samples into one 24-byte frame.
  void encode(const std::int16_t pcm[kFrame], std::uint8_t out[kFrameBytes]);

 private:
  const CoderTables* tables_;
  bool limitGainSearch_;
  Probe* probe_ = nullptr;

  HighPassState hpf_;
  WeightingState weighting_;
  RingingState ringing_;
  TamingState taming_;
  std::int16_t sineDetector_ = 0;
  std::int16_t prevData_[kLpcFrame - kSubFrLen] = {};
  std::int16_t prevLsp_[kLpcOrder] = {};
  std::int16_t prevWeighted_[kPitchMax] = {};
  std::int16_t prevExc_[kPitchMax] = {};
};

}  // namespace g723
