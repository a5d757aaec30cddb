// The list of `sorrel-cli` subcommands. A new subcommand adds its declaration and one line.

#include "paramtool/cli/subcommand.h"

namespace paramtool::cli {

// Declared here rather than in a shared header so that adding a subcommand touches one file.
// DSP EEPROM table files
const Subcommand& checkCommand();
const Subcommand& dumpCommand();
const Subcommand& writeDefaultCommand();
const Subcommand& roundtripCommand();
const Subcommand& exportParamsCommand();

// EQ design and files
const Subcommand& eqCommand();

const std::vector<const Subcommand*>& allSubcommands() {
  static const std::vector<const Subcommand*> table = {
      // DSP EEPROM table files
      &checkCommand(),
      &dumpCommand(),
      &writeDefaultCommand(),
      &roundtripCommand(),
      &exportParamsCommand(),
      // EQ design and files
      &eqCommand(),
  };
  return table;
}

}  // namespace paramtool::cli
