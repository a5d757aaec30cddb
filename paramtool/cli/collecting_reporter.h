#pragma once
// A reporter that keeps the messages so a subcommand can print them where they belong.

#include <ostream>
#include <string>
#include <vector>

#include "paramtool/reporter.h"

namespace paramtool::cli {

class CollectingReporter : public Reporter {
 public:
  using Reporter::show;
  void show(const std::string& text, MessageIcon) override { messages_.push_back(text); }
  const std::vector<std::string>& messages() const { return messages_; }
  void printTo(std::ostream& os) const {
    for (const std::string& m : messages_) os << m << "\n";
  }

 private:
  std::vector<std::string> messages_;
};

}  // namespace paramtool::cli
