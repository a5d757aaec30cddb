#pragma once
// Files of a test run: a folder of this test process's own (ctest runs cases in parallel)
// and whole-file reads.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace console {
namespace testing_support {

inline std::string TestDir() {
  static const std::string dir = [] {
    std::string d = std::string(::testing::TempDir()) + "console_test_" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace testing_support
}  // namespace console
