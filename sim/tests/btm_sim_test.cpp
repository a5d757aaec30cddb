// btm-sim as a program: its command line, and runs of the built binary.
#include "sim/btm_sim.h"

#include "sim/tests/module_host.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

std::string TempPath(const std::string& name) {
  return std::string(BTM_BINARY_DIR) + "/sim/" + name + "-" + std::to_string(::getpid());
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = TempPath(name);
  std::ofstream(path) << text;
  return path;
}

struct BadCommandLine {
  std::vector<std::string> args;
  std::string message;
};

TEST(BtmSim, AWrongCommandLineOrScriptIsRefusedBeforeAnythingIsCreated) {
  const std::string bad_script = WriteFile("bad.sim", "100 CALL_STATUS 00 02\n100 RING 00\n");
  const BadCommandLine cases[] = {
      {{"--bogus"}, "btm-sim: unknown option '--bogus'\n"},
      {{"--script"}, "btm-sim: --script needs a value\n"},
      {{"--no-ack", "1G"}, "btm-sim: --no-ack 1G: not a hexadecimal opcode\n"},
      {{"--ack-status", "02"}, "btm-sim: --ack-status 02: expected OPCODE=STATUS in hexadecimal\n"},
      {{"--ack-status", "0x02=100"}, "btm-sim: --ack-status 0x02=100: expected OPCODE=STATUS in hexadecimal\n"},
      {{"--script", "/nonexistent/x.sim"}, "btm-sim: /nonexistent/x.sim: cannot be read\n"},
      {{"--script", bad_script},
       "btm-sim: " + bad_script + ": line 2: 'RING' is no event identifier, 0xNN, raw or quit\n"},
  };
  for (const BadCommandLine& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunBtmSim(c.args, out, err, -1), kSimExitUsage) << c.message;
    EXPECT_EQ(err.str().substr(0, c.message.size()), c.message);
    EXPECT_TRUE(out.str().empty()) << "nothing created, so no device path: " << out.str();
  }
  std::remove(bad_script.c_str());
}

// The built program with its standard output on a pipe.
class Program {
 public:
  explicit Program(const std::vector<std::string>& args) {
    int pipe_fds[2];
    EXPECT_EQ(::pipe(pipe_fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    std::vector<std::string> all = {std::string(BTM_BINARY_DIR) + "/apps/btm-sim"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe_fds[1]);
    out_ = pipe_fds[0];
  }
  ~Program() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    ::close(out_);
  }

  // The next line of standard output, without its line end ("" when none came in time).
  std::string ReadLine(std::chrono::milliseconds within = 10s) {
    const auto until = std::chrono::steady_clock::now() + within;
    for (;;) {
      const std::size_t end = buffered_.find('\n');
      if (end != std::string::npos) {
        std::string line = buffered_.substr(0, end);
        buffered_.erase(0, end + 1);
        return line;
      }
      if (!ReadMore(until)) return "";
    }
  }

  // The exit status, once the program has ended by itself (-1 when it did not in time), and
  // the rest of its output.
  int WaitForExit(std::string& rest, std::chrono::milliseconds within = 10s) {
    const auto until = std::chrono::steady_clock::now() + within;
    while (ReadMore(until)) {
    }
    rest = buffered_;
    int status = 0;
    for (int tries = 0; tries < 200; ++tries) {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(10ms);
    }
    return -1;
  }

  void Signal(int number) { ::kill(pid_, number); }

 private:
  bool ReadMore(std::chrono::steady_clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    pollfd p{out_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[512];
    const ssize_t n = ::read(out_, chunk, sizeof chunk);
    if (n <= 0) return false;
    buffered_.append(chunk, static_cast<std::size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  std::string buffered_;
};

std::string LinkTarget(const std::string& link) {
  char target[256] = {};
  const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
  return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : "";
}

TEST(BtmSim, PrintsItsDeviceLinksToItPlaysTheScriptAndQuitsWithTheAccount) {
  const std::string script = WriteFile("call.sim", "300 CALL_STATUS 00 02\n0 quit\n");
  const std::string link = TempPath("port");
  Program sim({"--link", link, "--script", script, "--ack-status", "08=03"});
  const std::string device = sim.ReadLine();
  ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
  EXPECT_EQ(LinkTarget(link), device);

  Host host(link);
  ASSERT_EQ(host.opened, 0);
  host.layer.READ_BTM_VERSION(0x00);
  const std::vector<HostEvent> expected = {Ev(COMMAND_ACK, "08 03"), Ev(CALL_STATUS, "00 02")};
  EXPECT_EQ(host.events.WaitFor(expected.size()), expected);

  std::string rest;
  EXPECT_EQ(sim.WaitForExit(rest), kSimExitOk);
  EXPECT_EQ(rest, "btm-sim: 1 events sent, 1 acknowledged, 0 Event ACKs missing\n");
  struct stat info {};
  EXPECT_NE(::lstat(link.c_str(), &info), 0) << "the link is removed at the end";
  std::remove(script.c_str());
}

TEST(BtmSim, TerminatedItReportsTheEventAcksStillOwed) {
  const std::string script = WriteFile("owed.sim", "200 BTM_STATUS 02 00\n");
  Program sim({"--script", script});
  const std::string device = sim.ReadLine();
  ASSERT_FALSE(device.empty());
  {
    Arrivals<Bytes> packets;
    CUART host(device, 115200, 0);  // never acknowledges
    host.SetPacketCallback([&packets](unsigned char* p, unsigned int n) {
      packets.Add(Bytes(p, p + n));
      return true;
    });
    ASSERT_EQ(host.Open(device), 0);
    ASSERT_EQ(packets.WaitFor(1).size(), 1u);
  }
  sim.Signal(SIGTERM);
  std::string rest;
  EXPECT_EQ(sim.WaitForExit(rest), kSimExitEventAcksOwed);
  EXPECT_EQ(rest,
            "btm-sim: 1 events sent, 0 acknowledged, 1 Event ACKs missing\n"
            "btm-sim:   no Event ACK for 1 x BTM_STATUS (0x01)\n");
  std::remove(script.c_str());
}

}  // namespace
