#pragma once
// Every message box and file dialog of the console goes through this interface, owned by
// the window. The Qt implementation shows the real dialog; tests plug in ScriptedPrompter,
// so no test ever blocks on a modal dialog.

#include <optional>
#include <string>

namespace console {

enum class MessageIcon { kInformation, kWarning, kError };

struct FileDialogRequest {
  std::string filter_label;  // e.g. "TXT FILE(*.TXT)"
  std::string pattern;       // e.g. "*.txt"
  std::string initial_name;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A modal box with an OK button.
  virtual void ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) = 0;
  // Returns the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
};

}  // namespace console
