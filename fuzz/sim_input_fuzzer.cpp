// What reaches the virtual module from outside: a scenario script of any text (first byte
// even), or any command from the host (first byte odd: then opcode and parameters). A
// script that parses must hold only steps that fit a packet; every event the behaviour
// table makes of a command must fit an event packet.

#include "link/packet.h"
#include "sim/behaviour.h"
#include "sim/script.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzScript(const std::uint8_t* data, std::size_t size) {
  std::vector<ScriptStep> steps;
  std::string error;
  if (!ParseScript(std::string(reinterpret_cast<const char*>(data), size), steps, error)) {
    Check(error.rfind("line ", 0) == 0);
    return;
  }
  for (const ScriptStep& step : steps) {
    Check(step.bytes.size() <= packet::kMaxEventParameters ||
          step.kind == ScriptStep::Kind::kRaw);
    Check(step.kind != ScriptStep::Kind::kRaw || !step.bytes.empty());
  }
}

void FuzzCommand(const std::uint8_t* data, std::size_t size) {
  static Behaviour behaviour;  // its state carries over, as in a long run
  if (size == 0) return;
  const SimBytes params(data + 1, data + std::min(size, packet::kMaxCommandParameters + 1));
  for (const SimEvent& event : behaviour.React(data[0], params)) {
    SimBytes out;
    Check(packet::BuildEvent(event.opcode, event.params.data(), event.params.size(), out));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) {
    FuzzScript(data + 1, size - 1);
  } else {
    FuzzCommand(data + 1, size - 1);
  }
  return 0;
}
