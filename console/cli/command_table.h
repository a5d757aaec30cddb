#pragma once
// The commands quorlin-cli understands: every catalogue identifier with the shape of its
// parameter values, plus `raw` and `wait`. A command on the command line is its name followed
// by its values in the order of its shape:
//
//   NAME      one hexadecimal byte (1 or 2 digits)
//   NAME:16   one hexadecimal 16-bit value (1 to 4 digits), sent high byte first
//   NAME:01   a flag, 00 or 01
//   "NAME"    one argument taken as text (UTF-8), whatever it looks like
//   NAME...   a run of hexadecimal bytes: any number of arguments of hex digits, each one
//             byte ("0A") or several ("0A0B0C"); the run ends at the first other argument
//   NAME[N]   such a run of exactly N bytes
//
// Identifiers with several variants (LE_CONTROL, ANCS_CONTROL, TTS_DATA,
// PROFILE_LINK_BACK) are told apart by their leading selector bytes, shown literally.
// Lengths that a command carries (payload lengths, parameter lengths) are computed.

#include "console/command_ack_routes.h"
#include "link/command_builders.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// One step of a command line: a command to send, or a pause.
struct CliStep {
  std::string text;        // the step as typed, for messages
  unsigned wait_ms = 0;    // a pause, when `send` is empty
  std::function<std::uint8_t(CommandBuilders&)> send;
  // A step that runs a whole exchange (tts-send) instead: it hears the module's Command ACKs
  // through the slots and returns an exit code, 0 when done.
  std::function<int(CommandBuilders&, CommandAckSlots&, std::ostream& err)> run;
};

// Parses the command that starts at args[pos] and advances pos past it. False with a message
// naming the command when the name is unknown or a value is missing or malformed.
bool ParseCliStep(const std::vector<std::string>& args, std::size_t& pos, CliStep& step,
                  std::string& error);

// One line per command variant: "  NAME SHAPE", in catalogue order.
std::string CliCommandList();
