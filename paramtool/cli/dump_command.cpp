// sorrel-cli dump FILE: loads a table file and prints every parameter record in list order.
#include <cstdio>
#include <memory>

#include "paramtool/cli/collecting_reporter.h"
#include "paramtool/cli/subcommand.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"

namespace paramtool::cli {
namespace {

int runDump(const Arguments& args, CliIo& io);

const Subcommand kDump{"dump", "FILE", "load a table file and list its parameter records", runDump};

int runDump(const Arguments& args, CliIo& io) {
  if (args.size() != 1) return usageError(kDump, io);
  auto set = std::make_unique<ParameterSet>();
  set->newDocument();
  CollectingReporter reporter;
  if (!readTableFile(args[0], *set, reporter)) {
    reporter.printTo(io.err);
    return kExitRejected;
  }
  for (const ParamRecord& r : set->records()) {
    char line[64];
    std::snprintf(line, sizeof line, "%04X %d %02X %s\n", r.address, r.width, static_cast<unsigned>(r.value),
                  r.present ? "present" : "absent");
    io.out << line;
  }
  return kExitOk;
}

}  // namespace

const Subcommand& dumpCommand() { return kDump; }

}  // namespace paramtool::cli
