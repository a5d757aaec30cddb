#pragma once
// The words of one step line, shared by scenario scripts and the behaviour table:
//
//   [DELAY] WHAT VALUE...     # comment
//
// DELAY is decimal milliseconds; WHAT is an event identifier (CALL_STATUS), an event
// opcode written 0xNN, or a keyword (raw, quit); each VALUE is one hexadecimal byte
// (1 or 2 digits) or a double-quoted text that stands for its bytes (UTF-8, no escapes).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct StepToken {
  std::string text;     // without the quotes when quoted
  bool quoted = false;
};

// Splits a line into tokens at white space, keeping quoted texts whole; `#` outside quotes
// ends the line. False with a message for a quote left open.
bool TokenizeStepLine(const std::string& line, std::vector<StepToken>& tokens, std::string& error);

// A delay token: decimal digits only, at most one day.
std::optional<unsigned> ParseDelayMs(const StepToken& token);

// An event named by identifier or written 0xNN.
std::optional<std::uint8_t> ParseEventWord(const StepToken& token);

// One hexadecimal byte of 1 or 2 digits.
std::optional<std::uint8_t> ParseHexByte(const StepToken& token);

// Appends the bytes a value token stands for (a hex byte, or a quoted text); false when it
// is neither.
bool AppendValue(const StepToken& token, std::vector<std::uint8_t>& out);
