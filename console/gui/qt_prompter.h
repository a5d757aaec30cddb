#pragma once
// The Prompter that shows real Qt dialogs, owned by the window they belong to.

#include "console/prompter.h"

class QWidget;

namespace console {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* owner) : owner_(owner) {}
  void ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) override;
  std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;

 private:
  QWidget* owner_;
};

}  // namespace console
