// sorrel-cli write-default FILE: writes what the editor saves right after start-up.
#include "paramtool/cli/editor_commands.h"

namespace paramtool::cli {
namespace {

int runWriteDefault(const Arguments& args, CliIo& io);

const Subcommand kWriteDefault{"write-default", "FILE", "write what the editor saves right after start-up",
                               runWriteDefault};

int runWriteDefault(const Arguments& args, CliIo& io) {
  if (args.size() != 1) return usageError(kWriteDefault, io);
  return runEditorSteps({args[0]}, {&editor::DspEditor::save}, io);
}

}  // namespace

const Subcommand& writeDefaultCommand() { return kWriteDefault; }

}  // namespace paramtool::cli
