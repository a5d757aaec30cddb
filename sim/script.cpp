#include "sim/script.h"

#include "link/packet.h"
#include "sim/step_tokens.h"

#include <sstream>

namespace {

bool ParseValues(const std::vector<StepToken>& tokens, std::size_t from,
                 std::vector<std::uint8_t>& out, std::string& error) {
  for (std::size_t i = from; i < tokens.size(); ++i) {
    if (!AppendValue(tokens[i], out)) {
      return error = "'" + tokens[i].text + "' is not a hexadecimal byte", false;
    }
  }
  return true;
}

bool ParseStep(const std::vector<StepToken>& tokens, ScriptStep& step, std::string& error) {
  std::size_t at = 0;
  if (const auto delay = ParseDelayMs(tokens[0])) {
    step.delay_ms = *delay;
    if (++at == tokens.size()) return error = "a delay needs a step after it", false;
  }
  const StepToken& what = tokens[at];
  if (!what.quoted && what.text == "quit") {
    step.kind = ScriptStep::Kind::kQuit;
    if (at + 1 != tokens.size()) return error = "quit takes nothing after it", false;
    return true;
  }
  if (!what.quoted && what.text == "raw") {
    step.kind = ScriptStep::Kind::kRaw;
    if (!ParseValues(tokens, at + 1, step.bytes, error)) return false;
    if (step.bytes.empty()) return error = "raw needs at least one byte", false;
    return true;
  }
  const auto opcode = ParseEventWord(what);
  if (!opcode) return error = "'" + what.text + "' is no event identifier, 0xNN, raw or quit", false;
  step.kind = ScriptStep::Kind::kEvent;
  step.opcode = *opcode;
  if (!ParseValues(tokens, at + 1, step.bytes, error)) return false;
  if (step.bytes.size() > packet::kMaxEventParameters) {
    return error = "more than " + std::to_string(packet::kMaxEventParameters) +
                   " parameter bytes do not fit an event",
           false;
  }
  return true;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error) {
  steps.clear();
  std::istringstream in(text);
  std::string line;
  std::vector<StepToken> tokens;
  bool quit = false;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string problem;
    if (!TokenizeStepLine(line, tokens, problem)) {
      return error = "line " + std::to_string(number) + ": " + problem, false;
    }
    if (tokens.empty()) continue;
    ScriptStep step;
    step.line = number;
    if (quit) problem = "nothing can follow quit";
    if (!problem.empty() || !ParseStep(tokens, step, problem)) {
      return error = "line " + std::to_string(number) + ": " + problem, false;
    }
    quit = step.kind == ScriptStep::Kind::kQuit;
    steps.push_back(std::move(step));
  }
  return true;
}
