// Feeds arbitrary bytes to the coefficient file reader and loads what it accepts.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "paramtool/eq_coefficient_file.h"
#include "paramtool/eq_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const paramtool::CoefficientFileRead read = paramtool::readCoefficientText(in);
  if (read.status == paramtool::EqFileStatus::Ok) {
    const auto loaded = paramtool::loadCoefficients(read.file, paramtool::EqDesign{});
    const auto unpacked = paramtool::unpackCoefficientBlock(read.file.block);
    if (loaded.design.points < 2048 || loaded.design.points > 16384) __builtin_trap();
    if (unpacked.stageCount < 0 || unpacked.stageCount > 5) __builtin_trap();
  }
  return 0;
}
