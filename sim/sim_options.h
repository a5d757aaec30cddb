#pragma once
// The command line of btm-sim:
//
//   btm-sim [--link PATH] [--script FILE] [--ack-status OPCODE=STATUS]... [--no-ack OPCODE]...
//
// Opcodes and statuses are hexadecimal bytes (05, 0x05).

#include "sim/virtual_module.h"

#include <string>
#include <vector>

struct SimOptions {
  bool help = false;
  std::string link_path;    // a symbolic link to make to the device, when given
  std::string script_path;  // a scenario script to play, when given
  ModuleConfig module;      // its script is filled from script_path by the caller
};

// False with a message when an option is unknown, lacks its value or has a malformed one.
bool ParseSimArguments(const std::vector<std::string>& args, SimOptions& options,
                       std::string& error);

std::string SimUsage();
