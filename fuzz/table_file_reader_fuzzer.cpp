// Feeds arbitrary text to the DSP table file reader, then runs the post-load step on
// what it accepted (it follows pointers and lengths taken from the file).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"

namespace {

class SilentReporter : public paramtool::Reporter {
 public:
  using Reporter::show;
  void show(const std::string&, paramtool::MessageIcon) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto set = std::make_unique<paramtool::ParameterSet>();
  set->newDocument();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  SilentReporter reporter;
  if (paramtool::parseTableText(in, "fuzz.txt", set->table(), reporter)) {
    set->afterLoad();
    paramtool::I2sRegisters registers{};
    set->readI2sRegisters(registers);
    set->storeValues();
  }
  return 0;
}
