#pragma once
// G.723.1 decoder at 6.3 kbit/s with the pitch and formant post-filters. A frame that is
// not a valid 6.3 kbit/s frame is concealed like an erased one.

#include <cstdint>

#include "voiceprompt/g723/constants.h"
#include "voiceprompt/g723/postfilter.h"

namespace g723 {

class CoderTables;
class Probe;

class Decoder {
 public:
  // The decoder reads the tables at every frame; they must outlive it.
  explicit Decoder(const CoderTables& tables);

  void reset();
  void setProbe(Probe* probe) { probe_ = probe; }

  // Decodes one 24-byte frame into 240 samples.
  void decode(const std::uint8_t in[kFrameBytes], std::int16_t out[kFrame]);

 private:
  void regenerate(std::int16_t out[kFrame], std::int16_t buf[kPitchMax + kFrame]);

  const CoderTables* tables_;
  Probe* probe_ = nullptr;

  SynthesisState synthesis_;
  std::int16_t prevLsp_[kLpcOrder] = {};
  std::int16_t prevExc_[kPitchMax] = {};
  std::int16_t erasures_ = 0;   // consecutive erased frames, at most 3
  std::int16_t interGain_ = 0;  // concealment gain
  std::int16_t interIndx_ = 0;  // concealment lag, 0 = unvoiced
  std::int16_t randSeed_ = 0;
};

}  // namespace g723
