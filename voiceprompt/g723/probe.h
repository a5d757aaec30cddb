#pragma once
// An optional observer of the coder's intermediate values, for finding the first stage
// at which two implementations part. Coders call it only when one is attached.

#include <cstdint>

namespace g723 {

class Probe {
 public:
  virtual ~Probe() = default;
  // sub is the subframe (0 to 3), or -1 for a value of the whole frame.
  virtual void record(const char* key, int sub, const std::int32_t* values, int count) = 0;
};

// Helpers that convert 16-bit arrays for the probe.
void probeRecord(Probe* probe, const char* key, int sub, const std::int16_t* values, int count);
void probeRecord(Probe* probe, const char* key, int sub, const std::int32_t* values, int count);

}  // namespace g723
