#pragma once
// Message boxes and file dialogs of the DSP editor: the window shows real dialogs, tests and
// sorrel-cli answer them from a script.

#include <optional>
#include <string>

#include "paramtool/reporter.h"

namespace paramtool::editor {

struct FileDialogRequest {
  std::string title;
  std::string filter;       // "Name|pattern|Name|pattern||"
  std::string initialName;  // empty for none
  std::string directory;
};

class Prompter : public Reporter {
 public:
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> askSaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> askOpenFile(const FileDialogRequest& request) = 0;
};

}  // namespace paramtool::editor
