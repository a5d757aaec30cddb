#include "sim/behaviour.h"

#include "link/command_names.h"
#include "sim/step_tokens.h"

#include <optional>
#include <stdexcept>

namespace {

using StateValue = std::uint8_t (*)(const ModuleState&);

struct NamedValue {
  const char* name;
  StateValue value;
};

// The values an event of the table may name as {name}.
const NamedValue kStateValues[] = {
    {"hf_a2dp_gain", [](const ModuleState& s) {
       return static_cast<std::uint8_t>(s.hf_gain << 4 | s.a2dp_gain);
     }},
    {"line_in_gain", [](const ModuleState& s) { return s.line_in_gain; }},
};

std::optional<StateValue> FindStateValue(const std::string& name) {
  for (const NamedValue& v : kStateValues) {
    if (name == v.name) return v.value;
  }
  return std::nullopt;
}

// One value of an event: bytes as written, a command parameter, all of them, or a value of
// the module's state.
struct Piece {
  enum class Kind { kBytes, kParameter, kAllParameters, kState };
  Kind kind = Kind::kBytes;
  SimBytes bytes;
  std::size_t index = 0;
  StateValue state = nullptr;
};

struct EventTemplate {
  unsigned delay_ms = 0;
  std::uint8_t opcode = 0;
  std::vector<Piece> pieces;
};

[[noreturn]] void Malformed(const char* text, const std::string& why) {
  throw std::invalid_argument(std::string("\"") + text + "\": " + why);
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.size() < 4 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

std::vector<StepToken> Tokens(const char* text) {
  std::vector<StepToken> tokens;
  std::string error;
  if (!TokenizeStepLine(text, tokens, error)) Malformed(text, error);
  if (tokens.empty()) Malformed(text, "empty");
  return tokens;
}

Piece ParsePiece(const char* text, const StepToken& token) {
  Piece piece;
  const std::string& t = token.text;
  if (!token.quoted && t == "$*") {
    piece.kind = Piece::Kind::kAllParameters;
  } else if (!token.quoted && t[0] == '$') {
    if (!AllDigits(t.substr(1))) Malformed(text, "'" + t + "' is not $n or $*");
    piece.kind = Piece::Kind::kParameter;
    piece.index = std::stoul(t.substr(1));
  } else if (!token.quoted && t.size() > 2 && t.front() == '{' && t.back() == '}') {
    piece.kind = Piece::Kind::kState;
    const auto value = FindStateValue(t.substr(1, t.size() - 2));
    if (!value) Malformed(text, "no state value " + t);
    piece.state = *value;
  } else if (!AppendValue(token, piece.bytes)) {
    Malformed(text, "'" + t + "' is not a value");
  }
  return piece;
}

EventTemplate ParseEvent(const char* text) {
  const std::vector<StepToken> tokens = Tokens(text);
  EventTemplate event;
  std::size_t at = 0;
  if (const auto delay = ParseDelayMs(tokens[0])) {
    event.delay_ms = *delay;
    ++at;
  }
  const auto opcode = at < tokens.size() ? ParseEventWord(tokens[at]) : std::nullopt;
  if (!opcode) Malformed(text, "no event identifier");
  event.opcode = *opcode;
  for (++at; at < tokens.size(); ++at) event.pieces.push_back(ParsePiece(text, tokens[at]));
  return event;
}

SimBytes Expand(const EventTemplate& event, const SimBytes& params, const ModuleState& state) {
  SimBytes out;
  for (const Piece& piece : event.pieces) {
    switch (piece.kind) {
      case Piece::Kind::kBytes:
        out.insert(out.end(), piece.bytes.begin(), piece.bytes.end());
        break;
      case Piece::Kind::kParameter:
        out.push_back(piece.index < params.size() ? params[piece.index] : 0);
        break;
      case Piece::Kind::kAllParameters:
        out.insert(out.end(), params.begin(), params.end());
        break;
      case Piece::Kind::kState:
        out.push_back(piece.state(state));
        break;
    }
  }
  return out;
}

}  // namespace

struct Behaviour::Rule {
  std::uint8_t command = 0;
  std::vector<std::optional<std::uint8_t>> prefix;  // nullopt: any byte
  std::vector<EventTemplate> events;
  RuleAction act;

  bool Matches(std::uint8_t opcode, const SimBytes& params) const {
    if (opcode != command || params.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      if (prefix[i] && *prefix[i] != params[i]) return false;
    }
    return true;
  }
};

Behaviour::Rule Behaviour::ParseRule(const BehaviourRule& source) {
  Rule rule;
  const std::vector<StepToken> tokens = Tokens(source.command);
  const auto opcode = tokens[0].quoted ? std::nullopt : CommandOpcodeByName(tokens[0].text);
  if (!opcode) Malformed(source.command, "no command identifier");
  rule.command = *opcode;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (!tokens[i].quoted && tokens[i].text == "??") {
      rule.prefix.emplace_back();
    } else if (const auto byte = ParseHexByte(tokens[i])) {
      rule.prefix.emplace_back(*byte);
    } else {
      Malformed(source.command, "'" + tokens[i].text + "' is not a byte or ??");
    }
  }
  for (const char* event : source.events) rule.events.push_back(ParseEvent(event));
  rule.act = source.act;
  return rule;
}

Behaviour::Behaviour(const std::vector<BehaviourRule>& rules) {
  for (const BehaviourRule& source : rules) {
    try {
      rules_.push_back(ParseRule(source));
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument(std::string("behaviour rule ") + source.command + ": " + e.what());
    }
  }
}

Behaviour::~Behaviour() = default;

std::vector<SimEvent> Behaviour::React(std::uint8_t opcode, const SimBytes& params) {
  std::vector<SimEvent> out;
  for (const Rule& rule : rules_) {
    if (!rule.Matches(opcode, params)) continue;
    if (rule.act) rule.act(state_, params, out);
    for (const EventTemplate& event : rule.events) {
      out.push_back({event.delay_ms, event.opcode, Expand(event, params, state_)});
    }
    break;
  }
  return out;
}
