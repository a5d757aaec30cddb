// Feeds arbitrary bytes to the response import and checks the curve it makes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "paramtool/eq_response_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr int kPoints = 2048;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const paramtool::ImportedResponse imported = paramtool::importResponse(in, kPoints, 48000.0);
  if (imported.status != paramtool::EqFileStatus::Ok) return 0;
  if (imported.curve.size() != static_cast<size_t>(kPoints)) __builtin_trap();
  for (double v : imported.curve) {
    if (std::isnan(v) || v < 0.0) __builtin_trap();
  }
  return 0;
}
