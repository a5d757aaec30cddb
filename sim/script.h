#pragma once
// Scenario scripts: what the virtual module sends by itself, one step per line.
//
//   # an incoming call on Device A
//   500  CALL_STATUS 00 02          wait 500 ms, then send the event with these parameters
//   0    CALLER_ID 00 0A "0701740605"
//   100  raw AA 00 03 02 00 04 F7   the bytes exactly as written (broken packets too)
//   2000 quit                       end the run
//
// A delay counts from the previous step; the first counts from the moment a host opens
// the port. A step without a delay has none. Words are those of step_tokens.h.

#include <cstdint>
#include <string>
#include <vector>

struct ScriptStep {
  enum class Kind { kEvent, kRaw, kQuit };
  Kind kind = Kind::kEvent;
  unsigned delay_ms = 0;
  std::uint8_t opcode = 0;          // kEvent
  std::vector<std::uint8_t> bytes;  // kEvent: the parameters; kRaw: the bytes to send
  int line = 0;                     // where the step stands in the script (from 1)
};

// Parses a whole script. False with "line N: ..." in `error` for the first bad line.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);
