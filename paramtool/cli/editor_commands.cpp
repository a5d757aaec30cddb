#include "paramtool/cli/editor_commands.h"

#include "paramtool/cli/scripted_prompter.h"

namespace paramtool::cli {

int runEditorSteps(std::deque<std::string> dialogAnswers, std::initializer_list<EditorStep> steps, CliIo& io) {
  ScriptedPrompter prompter(std::move(dialogAnswers));
  NoDesigner designer;
  auto editor = std::make_unique<editor::DspEditor>(prompter, designer);
  bool ok = true;
  for (EditorStep step : steps) {
    ok = ((*editor).*step)();
    if (!ok) break;
  }
  prompter.messages().printTo(ok ? io.out : io.err);
  return ok ? kExitOk : kExitRejected;
}

}  // namespace paramtool::cli
