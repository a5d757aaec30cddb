#pragma once
// How the voice-prompt conversion reports a problem: a message box in the console, a line
// on standard error in quorlin-cli, a recording double in tests.

#include <string>

namespace voiceprompt {

class Reporter {
 public:
  virtual ~Reporter() = default;
  // caption is empty where the console shows its default caption.
  virtual void showMessage(const std::string& caption, const std::string& text) = 0;
};

}  // namespace voiceprompt
