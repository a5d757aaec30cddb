#pragma once
// A Prompter for tests: records every message and dialog, answers file dialogs from a
// script (an empty script answers "cancel").

#include "console/prompter.h"

#include <deque>
#include <vector>

namespace console {

class ScriptedPrompter : public Prompter {
 public:
  struct Message {
    MessageIcon icon;
    std::string caption;
    std::string text;
  };

  void ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) override {
    messages.push_back({icon, caption, text});
  }
  std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override {
    return Answer(request);
  }
  std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override {
    return Answer(request);
  }

  // The next file dialog answers `path`; std::nullopt stands for Cancel.
  void ScriptFileAnswer(std::optional<std::string> path) { file_answers.push_back(std::move(path)); }

  std::vector<Message> messages;
  std::vector<FileDialogRequest> file_requests;
  std::deque<std::optional<std::string>> file_answers;

 private:
  std::optional<std::string> Answer(const FileDialogRequest& request) {
    file_requests.push_back(request);
    if (file_answers.empty()) return std::nullopt;
    std::optional<std::string> answer = file_answers.front();
    file_answers.pop_front();
    return answer;
  }
};

}  // namespace console
