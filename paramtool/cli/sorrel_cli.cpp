#include "paramtool/cli/sorrel_cli.h"

#include <cstring>

#include "paramtool/cli/subcommand.h"

namespace paramtool::cli {
namespace {

void printHelp(std::ostream& os) {
  os << "usage: sorrel-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const Subcommand* command : allSubcommands()) {
    std::string line = std::string("  ") + command->name + " " + command->usage;
    if (line.size() < 36) line.resize(36, ' ');
    os << line << " " << command->summary << "\n";
  }
}

const Subcommand* findSubcommand(const std::string& name) {
  for (const Subcommand* command : allSubcommands()) {
    if (name == command->name) return command;
  }
  return nullptr;
}

}  // namespace

int usageError(const Subcommand& command, CliIo& io) {
  io.err << "usage: sorrel-cli " << command.name << " " << command.usage << "\n";
  return kExitUsage;
}

int runSorrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    printHelp(err);
    return kExitUsage;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    printHelp(out);
    return kExitOk;
  }
  const Subcommand* command = findSubcommand(args[0]);
  if (command == nullptr) {
    err << "sorrel-cli: unknown command '" << args[0] << "'\n";
    printHelp(err);
    return kExitUsage;
  }
  CliIo io{out, err};
  return command->run(Arguments(args.begin() + 1, args.end()), io);
}

}  // namespace paramtool::cli
