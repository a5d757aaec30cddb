#include "console/command_ack_release.h"
#include "console/log_file.h"
#include "console/log_queue.h"
#include "console/open_failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

namespace {

TEST(CommandAckRelease, SppDataAnd0xFDReleaseOnlyOnSuccess) {
  EXPECT_TRUE(CommandAckReleasesQueue(0x12, 0x00));
  EXPECT_FALSE(CommandAckReleasesQueue(0x12, 0x04));
  EXPECT_TRUE(CommandAckReleasesQueue(0xFD, 0x00));
  EXPECT_FALSE(CommandAckReleasesQueue(0xFD, 0x01));
  EXPECT_TRUE(CommandAckReleasesQueue(0x02, 0x04));  // any other command: whatever the status
}

TEST(LogQueue, TakesEveryEntryInOrder) {
  LogQueue queue;
  queue.Push("a\n");
  queue.Push("b\n");
  LogEntry first;
  ASSERT_TRUE(queue.Pop(first));
  EXPECT_EQ(first, "a\n");
  queue.Push("c\n");
  EXPECT_EQ(queue.TakeAll(), (std::vector<LogEntry>{"b\n", "c\n"}));
  EXPECT_FALSE(queue.Pop(first));
}

TEST(LogFile, CutsAnEntryAt8191Bytes) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  {
    LogFile log(stream);
    log.Write(std::string(9000, 'x'));
    log.Write("next\n");
  }
  std::rewind(stream);
  std::string text(10000, '\0');
  text.resize(std::fread(&text[0], 1, text.size(), stream));
  std::fclose(stream);
  EXPECT_EQ(text, std::string(kMaxLogEntryBytes, 'x') + "next\n");
}

TEST(OpenFailure, NamesPortStepAndReasonWithAHintForPermissions) {
  EXPECT_EQ(DescribeOpenFailure("/dev/ttyUSB0", 1, EACCES, "Permission denied"),
            "Cannot open /dev/ttyUSB0 (step 1): Permission denied. Is your user in the dialout "
            "group?");
  EXPECT_EQ(DescribeOpenFailure("/dev/ttyS9", 2, EBUSY, "Device or resource busy"),
            "Cannot open /dev/ttyS9 (step 2): Device or resource busy");
}

}  // namespace
