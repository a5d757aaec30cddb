// sorrel-cli export-params IN OUT: the editor loads IN and exports its DSP parameter area.
#include "paramtool/cli/editor_commands.h"

namespace paramtool::cli {
namespace {

int runExportParams(const Arguments& args, CliIo& io);

const Subcommand kExportParams{"export-params", "IN OUT", "load a table file and export its DSP parameter area",
                               runExportParams};

int runExportParams(const Arguments& args, CliIo& io) {
  if (args.size() != 2) return usageError(kExportParams, io);
  return runEditorSteps({args[0], args[1]}, {&editor::DspEditor::load, &editor::DspEditor::exportParameters}, io);
}

}  // namespace

const Subcommand& exportParamsCommand() { return kExportParams; }

}  // namespace paramtool::cli
