#pragma once
// One `sorrel-cli` subcommand: its name, a usage line and the function that runs it.
// Each subcommand lives in a file of its own; subcommand_table.cpp lists them all.

#include <ostream>
#include <string>
#include <vector>

namespace paramtool::cli {

// Exit codes shared by the subcommands.
enum ExitCode : int {
  kExitOk = 0,
  kExitMismatch = 1,   // the command ran, but what it checked did not hold
  kExitRejected = 2,   // an input file was rejected or could not be read or written
  kExitUsage = 64,     // wrong arguments
};

struct CliIo {
  std::ostream& out;
  std::ostream& err;
};

using Arguments = std::vector<std::string>;  // the arguments after the subcommand's name

struct Subcommand {
  const char* name;
  const char* usage;    // e.g. "FILE", shown after the name
  const char* summary;  // one line for the help text
  int (*run)(const Arguments& args, CliIo& io);
};

// Every subcommand, in the order the help text shows them.
const std::vector<const Subcommand*>& allSubcommands();

// Reports a wrong argument count in the usual form and returns kExitUsage.
int usageError(const Subcommand& command, CliIo& io);

}  // namespace paramtool::cli
