#pragma once
// Helpers shared by the DSP core tests: a reporter that records, scratch files.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "paramtool/reporter.h"

namespace paramtool::test {

class RecordingReporter : public Reporter {
 public:
  using Reporter::show;
  void show(const std::string& text, MessageIcon icon) override {
    messages.push_back(text);
    icons.push_back(icon);
  }
  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;
};

// A directory of its own for each test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("paramtool-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// Splits text at CR LF; a line end without CR is kept in the line so a test notices it.
inline std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
    lines.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  if (from < text.size()) lines.push_back(text.substr(from));
  return lines;
}

}  // namespace paramtool::test
