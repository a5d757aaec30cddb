#include "console/log_printer.h"
#include "console/log_queue.h"

#include "console/tests/test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <boost/thread/thread.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace console {
namespace {

using testing_support::ReadFile;

class RecordingPane : public LogPane {
 public:
  void ClearPane() override {
    text.clear();
    ++clears;
  }
  void AppendToPane(const std::string& utf8) override { text += utf8; }
  std::string text;
  int clears = 0;
};

std::string TempPath(const char* name) {
  return testing_support::TestDir() + name;
}

TEST(LogPrinter, WritesEachEntryToFileAndPaneAndFlushesAtOnce) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  const std::string path = TempPath("flush.log");
  ASSERT_TRUE(printer.OpenLogFile(path));
  printer.PrintLog("%s", "Command Complete.\n");
  EXPECT_EQ(ReadFile(path), "Command Complete.\n");  // readable before the file is closed
  printer.Print("Call active.\n");
  EXPECT_EQ(ReadFile(path), "Command Complete.\nCall active.\n");
  EXPECT_EQ(pane.text, "Command Complete.\nCall active.\n");
}

TEST(LogPrinter, OpeningTruncatesAnOldLog) {
  const std::string path = TempPath("truncate.log");
  { std::ofstream(path) << "old run\n"; }
  LogPrinter printer(nullptr);
  ASSERT_TRUE(printer.OpenLogFile(path));
  EXPECT_EQ(ReadFile(path), "");
}

TEST(LogPrinter, CutsLongEntriesAt8191Bytes) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  const std::string path = TempPath("cut.log");
  ASSERT_TRUE(printer.OpenLogFile(path));
  const std::string longer(9000, 'x');
  printer.PrintLog("%s", longer.c_str());
  printer.Print(longer);
  EXPECT_EQ(ReadFile(path), std::string(2 * 8191, 'x'));
  EXPECT_EQ(pane.text.size(), 2u * 8191u);
}

TEST(LogPrinter, EmptiesThePaneBeforeTheEntryAfterThe501stLine) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  for (int i = 1; i <= 501; ++i) printer.PrintLog("line %d\n", i);
  EXPECT_EQ(pane.clears, 0);
  printer.Print("next\n");
  EXPECT_EQ(pane.clears, 1);
  EXPECT_EQ(pane.text, "next\n");
}

TEST(LogPrinter, MultiLineEntriesCountEveryLine) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  for (int i = 0; i < 167; ++i) printer.Print("a\nb\nc\n");  // 501 lines
  printer.Print("d\n");
  EXPECT_EQ(pane.text, "d\n");
}

TEST(LogPrinter, ClearEmptiesThePaneAndRestartsTheCount) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  const std::string path = TempPath("clear.log");
  ASSERT_TRUE(printer.OpenLogFile(path));
  for (int i = 0; i < 400; ++i) printer.Print("x\n");
  printer.ClearPane();
  for (int i = 0; i < 400; ++i) printer.Print("y\n");
  EXPECT_EQ(pane.clears, 1);  // 400 lines since Clear: no reset yet
  EXPECT_EQ(ReadFile(path).size(), 800u * 2u);  // the file keeps everything
}

TEST(LogPrinter, ClosingStopsThePaneButNotTheFile) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  const std::string path = TempPath("closing.log");
  ASSERT_TRUE(printer.OpenLogFile(path));
  printer.SetClosing();
  printer.Print("late\n");
  EXPECT_EQ(pane.text, "");
  EXPECT_EQ(ReadFile(path), "late\n");
}

TEST(LogPrinter, WithoutALogFileEntriesStillReachThePane) {
  RecordingPane pane;
  LogPrinter printer(&pane);
  EXPECT_FALSE(printer.OpenLogFile("/nonexistent-dir/pelvan.log"));
  printer.Print("still shown\n");
  EXPECT_EQ(pane.text, "still shown\n");
}

TEST(LogQueue, KeepsEachProducersOrderAndLosesNothing) {
  ::LogQueue queue;
  constexpr int kPerProducer = 20000;
  auto produce = [&queue](char tag) {
    for (int i = 0; i < kPerProducer; ++i) queue.Push(std::string(1, tag) + std::to_string(i));
  };
  boost::thread a(produce, 'a');
  boost::thread b(produce, 'b');
  std::vector<std::string> taken;
  while (taken.size() < 2u * kPerProducer) {
    for (std::string& e : queue.TakeAll()) taken.push_back(std::move(e));
  }
  a.join();
  b.join();
  int next_a = 0, next_b = 0;
  for (const std::string& e : taken) {
    int& next = e[0] == 'a' ? next_a : next_b;
    ASSERT_EQ(std::stoi(e.substr(1)), next);
    ++next;
  }
  EXPECT_EQ(next_a, kPerProducer);
  EXPECT_EQ(next_b, kPerProducer);
  EXPECT_TRUE(queue.TakeAll().empty());
}

}  // namespace
}  // namespace console
