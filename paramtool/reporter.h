#pragma once
// Messages for the user: the editor shows each as a message box with an OK button;
// sorrel-cli prints them; tests record them.

#include <string>

namespace paramtool {

enum class MessageIcon { kNone, kInformation, kError };

class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void show(const std::string& text, MessageIcon icon) = 0;
  void show(const std::string& text) { show(text, MessageIcon::kNone); }
};

}  // namespace paramtool
