#pragma once
// The command line of quorlin-cli:
//
//   quorlin-cli --port PATH [--baud N] [--fill-null] [--for SECONDS] COMMAND...
//
// Options may stand anywhere; everything else is a run of commands (command_table.h).

#include "console/cli/command_table.h"

#include <cstdint>
#include <string>
#include <vector>

struct CliOptions {
  bool help = false;
  std::string port;
  std::uint32_t baud_rate = 115200;
  bool fill_null = false;
  unsigned listen_ms = 1000;  // how long to listen after the last command
  std::vector<CliStep> steps;
};

// False with a message when an option or a command is malformed, a required option is
// missing, or a command would be refused by its builder (nothing is ever sent for those).
bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                       std::string& error);

std::string CliHelpText();
