// sorrel-cli write-default FILE: writes the editor's start-up table as a full table file.
#include <memory>

#include "paramtool/cli/collecting_reporter.h"
#include "paramtool/cli/subcommand.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"

namespace paramtool::cli {
namespace {

int runWriteDefault(const Arguments& args, CliIo& io);

const Subcommand kWriteDefault{"write-default", "FILE", "write the default table as a full table file",
                               runWriteDefault};

int runWriteDefault(const Arguments& args, CliIo& io) {
  if (args.size() != 1) return usageError(kWriteDefault, io);
  auto set = std::make_unique<ParameterSet>();
  set->newDocument();
  CollectingReporter reporter;
  const bool ok = writeTableFile(args[0], set->table(), EepromTable::kBytes, DocumentStrings{}, reporter);
  reporter.printTo(ok ? io.out : io.err);
  return ok ? kExitOk : kExitRejected;
}

}  // namespace

const Subcommand& writeDefaultCommand() { return kWriteDefault; }

}  // namespace paramtool::cli
