// sorrel-cli roundtrip IN OUT: the editor loads IN and saves OUT.
#include "paramtool/cli/editor_commands.h"

namespace paramtool::cli {
namespace {

int runRoundtrip(const Arguments& args, CliIo& io);

const Subcommand kRoundtrip{"roundtrip", "IN OUT", "load a table file and save it as the editor does", runRoundtrip};

int runRoundtrip(const Arguments& args, CliIo& io) {
  if (args.size() != 2) return usageError(kRoundtrip, io);
  return runEditorSteps({args[0], args[1]}, {&editor::DspEditor::load, &editor::DspEditor::save}, io);
}

}  // namespace

const Subcommand& roundtripCommand() { return kRoundtrip; }

}  // namespace paramtool::cli
