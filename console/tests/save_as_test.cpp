#include "console/save_as.h"

#include "console/tests/test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace console {
namespace {

using testing_support::ReadFile;

TEST(SaveAsPath, AppendsTxtUnlessItEndsTheName) {
  const struct {
    const char* chosen;
    const char* saved;
  } cases[] = {
      {"/tmp/log", "/tmp/log.txt"},
      {"/tmp/log.txt", "/tmp/log.txt"},
      {"/tmp/LOG.TXT", "/tmp/LOG.TXT.txt"},  // the test is case-sensitive
      {"/tmp/a.txtx", "/tmp/a.txtx"},        // ".txt" starts at the fifth-last character
      {"/tmp/a.txt.bak", "/tmp/a.txt.bak.txt"},
      {"a", "a.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveAsPath(c.chosen), c.saved) << c.chosen;
}

TEST(WritePaneText, WritesUtf8WithCrLfAndTruncates) {
  const std::string path = testing_support::TestDir() + "saved.txt";
  { std::ofstream(path) << "an older and longer content\n"; }
  ASSERT_TRUE(WritePaneText(path, "09:05:07:042\t< Command: AA 00 01 \nCall active.\n"));
  EXPECT_EQ(ReadFile(path), "09:05:07:042\t< Command: AA 00 01 \r\nCall active.\r\n");
  ASSERT_TRUE(WritePaneText(path, ""));
  EXPECT_EQ(ReadFile(path), "");
}

TEST(WritePaneText, ReportsATargetThatCannotBeOpened) {
  EXPECT_FALSE(WritePaneText("/nonexistent-dir/x.txt", "text"));
}

}  // namespace
}  // namespace console
