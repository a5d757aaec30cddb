#include "console/cli/quorlin_cli.h"
#include "console/tests/cli_in_process.h"

#include "link/tests/hex_bytes.h"
#include "link/tests/pty_pair.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(QuorlinCli, HelpListsTheCommandsAndExitsZero) {
  const InProcessRun run = RunInProcess({"--help"});
  EXPECT_EQ(run.exit_code, kCliExitOk);
  EXPECT_NE(run.log.find("usage: quorlin-cli --port PATH"), std::string::npos);
  EXPECT_NE(run.log.find("  MMI_ACTION LINK ACTION\n"), std::string::npos);
}

TEST(QuorlinCli, BadArgumentIsReportedAndNothingIsOpened) {
  const InProcessRun run = RunInProcess({"--port", "/nonexistent/tty", "MMI_ACTION", "01"});
  EXPECT_EQ(run.exit_code, kCliExitUsage);
  EXPECT_NE(run.err.find("quorlin-cli: MMI_ACTION: ACTION expects"), std::string::npos) << run.err;
  EXPECT_TRUE(run.log.empty());
}

TEST(QuorlinCli, FailedOpenNamesThePortStepAndReason) {
  const InProcessRun run = RunInProcess({"--port", "/nonexistent/tty", "MMI_ACTION", "01", "04"});
  EXPECT_EQ(run.exit_code, kCliExitOpenFailed);
  EXPECT_NE(run.err.find("Cannot open /nonexistent/tty (step 1): No such file or directory"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(run.log.empty());
}

// The built program, run with its standard output and error in pipes.
class Program {
 public:
  explicit Program(const std::vector<std::string>& args) {
    if (::pipe(out_) != 0 || ::pipe(err_) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err_[1], 2);
    posix_spawn_file_actions_addclose(&actions, out_[0]);
    posix_spawn_file_actions_addclose(&actions, err_[0]);
    std::vector<std::string> all{BTM_BINARY_DIR "/apps/quorlin-cli"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      throw std::runtime_error("cannot start quorlin-cli");
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out_[1]);
    ::close(err_[1]);
  }
  ~Program() {
    ::close(out_[0]);
    ::close(err_[0]);
    if (!waited_) ::waitpid(pid_, nullptr, 0);
  }

  // Waits for the exit; returns the exit status (-1 if it did not exit normally).
  int Wait(std::string& out, std::string& err) {
    out = ReadAll(out_[0]);
    err = ReadAll(err_[0]);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    waited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  static std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    return text;
  }
  pid_t pid_ = -1;
  bool waited_ = false;
  int out_[2] = {-1, -1};
  int err_[2] = {-1, -1};
};

std::string WithoutTimestamps(const std::string& log) {
  return std::regex_replace(log, std::regex("(^|\n)[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}\t"), "$1");
}

TEST(QuorlinCliEndToEnd, SendsPacedCommandsAndPrintsTheLog) {
  PtyPair module;
  Program cli({"--port", module.SlavePath(), "--for", "0.3", "MMI_ACTION", "01", "04",
               "DISCONNECT", "0F"});

  const auto first = module.ReceivePacket();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->packet, Hex("AA 00 03 02 01 04 F6"));
  // The second command waits for the module's Command ACK of the first.
  EXPECT_FALSE(module.ReceivePacket(300ms));
  const auto acked = Clock::now();
  module.Send(Hex("AA 00 03 00 02 00 FB"));
  const auto second = module.ReceivePacket();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->packet, Hex("AA 00 02 18 0F D7"));
  EXPECT_LT(second->when - acked, 1000ms);  // released by the ACK, not by the 1600 ms wait
  module.Send(Hex("AA 00 03 00 18 00 E5"));
  module.Send(Hex("AA 00 03 02 01 03 F7"));
  const auto event_ack = module.ReceivePacket();
  ASSERT_TRUE(event_ack);
  EXPECT_EQ(event_ack->packet, Hex("AA 00 02 14 02 E8"));

  std::string out, err;
  EXPECT_EQ(cli.Wait(out, err), 0) << err;
  EXPECT_EQ(err, "");
  // Each event's description sits between the Event ACK's dump and the event's dump, as in
  // the console's log pane.
  EXPECT_EQ(WithoutTimestamps(out),
            "< Command: AA 00 03 02 01 04 F6 \n"
            "< Command: AA 00 02 18 0F D7 \n"
            "Command Complete.\n"
            "> Event: AA 00 03 00 02 00 FB \n"
            "Command Complete.\n"
            "> Event: AA 00 03 00 18 00 E5 \n"
            "< Command: AA 00 02 14 02 E8 \n"
            "Outgoing call.\n"
            "> Event: AA 00 03 02 01 03 F7 \n");
  EXPECT_TRUE(std::regex_search(out, std::regex("^[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}\t< Command")));
}

}  // namespace
