#include "voiceprompt/g723/probe.h"

#include <vector>

namespace g723 {

void probeRecord(Probe* probe, const char* key, int sub, const std::int16_t* values, int count) {
  if (probe == nullptr) return;
  std::vector<std::int32_t> wide(values, values + count);
  probe->record(key, sub, wide.data(), count);
}

void probeRecord(Probe* probe, const char* key, int sub, const std::int32_t* values, int count) {
  if (probe != nullptr) probe->record(key, sub, values, count);
}

}  // namespace g723
