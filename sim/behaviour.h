#pragma once
// How the virtual module answers commands, beyond the Command ACK: a table of rules kept as
// data in behaviour_table.cpp. A rule names a command and the parameter bytes it starts
// with, and lists the events the module then sends, each after its delay:
//
//   {"MMI_ACTION ?? 04", {"CALL_STATUS $0 04"}}
//
// In a command pattern `??` matches any byte and the parameters may go on after the bytes
// given. In an event `$n` is parameter byte n of the command (00 when it has none), `$*`
// all its parameters, and `{name}` a value the module keeps (ModuleState). A rule may also
// change that state or make events from data; that runs before its listed events. The first
// rule that matches a command is the one applied; a command without a rule is answered by
// its Command ACK alone.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using SimBytes = std::vector<std::uint8_t>;

// An event the module sends, `delay_ms` after the one before it.
struct SimEvent {
  unsigned delay_ms = 0;
  std::uint8_t opcode = 0;
  SimBytes params;

  bool operator==(const SimEvent& other) const {
    return delay_ms == other.delay_ms && opcode == other.opcode && params == other.params;
  }
};

// What the module remembers from one command to the next. Levels are 0 to 15.
struct ModuleState {
  std::uint8_t hf_gain = 8;
  std::uint8_t a2dp_gain = 10;
  std::uint8_t line_in_gain = 6;
};

using RuleAction = std::function<void(ModuleState&, const SimBytes& params, std::vector<SimEvent>& out)>;

struct BehaviourRule {
  const char* command;              // identifier, then the leading parameter bytes
  std::vector<const char*> events;  // [DELAY] identifier, then the parameter bytes
  RuleAction act = nullptr;         // optional
};

// The rules of the virtual module, in the order they are tried.
const std::vector<BehaviourRule>& BehaviourRules();

class Behaviour {
 public:
  // Reads the rules; a malformed rule is a fault of this program and throws
  // std::invalid_argument naming it.
  explicit Behaviour(const std::vector<BehaviourRule>& rules = BehaviourRules());
  ~Behaviour();
  Behaviour(const Behaviour&) = delete;
  Behaviour& operator=(const Behaviour&) = delete;

  // The events the module sends for an accepted command, in order. Not thread-safe: one
  // reader answers commands.
  std::vector<SimEvent> React(std::uint8_t opcode, const SimBytes& params);

  const ModuleState& State() const { return state_; }

 private:
  struct Rule;
  static Rule ParseRule(const BehaviourRule& source);

  ModuleState state_;
  std::vector<Rule> rules_;
};
