#pragma once
// Runs editor actions for the command line: a fresh editor, the paths as dialog answers.

#include <deque>
#include <string>

#include "paramtool/cli/subcommand.h"
#include "paramtool/editor/dsp_editor.h"

namespace paramtool::cli {

// Each step is one editor action; the run stops at the first that fails. The editor's
// messages go to standard output, or to standard error when a step failed.
using EditorStep = bool (editor::DspEditor::*)();
int runEditorSteps(std::deque<std::string> dialogAnswers, std::initializer_list<EditorStep> steps, CliIo& io);

}  // namespace paramtool::cli
