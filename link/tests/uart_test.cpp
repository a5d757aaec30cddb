#include "link/uart.h"

#include "link/packet.h"
#include "link/pacing.h"
#include "link/tests/hex_bytes.h"
#include "link/tests/pty_pair.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/ioctl.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kBaud = 115200;

Bytes Command(std::uint8_t opcode, const Bytes& parameters, bool fill_null = false) {
  Bytes out;
  EXPECT_TRUE(packet::BuildCommand(opcode, parameters.data(), parameters.size(), fill_null, out));
  return out;
}

void Write(CUART& uart, const Bytes& run) {
  ASSERT_TRUE(uart.Write(run.data(), static_cast<unsigned int>(run.size())));
}

// Threads of this process as /proc lists them.
int TaskCount() {
  int count = 0;
  if (DIR* dir = ::opendir("/proc/self/task")) {
    while (const dirent* entry = ::readdir(dir)) count += entry->d_name[0] != '.';
    ::closedir(dir);
  }
  return count;
}

// Threads of this process. The first thread started may bring a helper thread of the
// runtime with it (ThreadSanitizer's), so one thread is started and joined first; a joined
// thread can stay listed in /proc for a moment after the join returns, so the warm-up
// waits (a bounded while) until the count settles.
int ThreadCount() {
  static const bool warmed_up = [] {
    const int before = TaskCount();
    std::thread([] {}).join();
    for (int i = 0; i < 1000 && TaskCount() > before; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }();
  (void)warmed_up;
  return TaskCount();
}

// Waits until the process runs `expected` threads; returns the last count seen.
int WaitForThreadCount(int expected, std::chrono::milliseconds within = 5s) {
  const auto until = Clock::now() + within;
  int count = ThreadCount();
  while (count != expected && Clock::now() < until) {
    std::this_thread::sleep_for(5ms);
    count = ThreadCount();
  }
  return count;
}

// Collects what the channel's reader hands to the packet callback.
class ReceivedPackets {
 public:
  CUART::PacketCallback Callback() {
    return [this](unsigned char* p, unsigned int n) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        packets_.emplace_back(p, p + n);
      }
      changed_.notify_all();
      return true;
    };
  }
  std::vector<Bytes> WaitFor(std::size_t count, std::chrono::milliseconds within = 5s) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, within, [&] { return packets_.size() >= count; });
    return packets_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Bytes> packets_;
};

// Bridge pins that note when each call came.
class RecordingBridge : public BridgeGpio {
 public:
  struct Call {
    bool set;
    std::uint8_t pin;
    Clock::time_point when;
  };
  explicit RecordingBridge(std::vector<Call>& calls, std::mutex& mutex) : calls_(calls), mutex_(mutex) {}
  void SetPin(std::uint8_t pin) override { Note(true, pin); }
  void ClearPin(std::uint8_t pin) override { Note(false, pin); }

 private:
  void Note(bool set, std::uint8_t pin) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back({set, pin, Clock::now()});
  }
  std::vector<Call>& calls_;
  std::mutex& mutex_;
};

class UartTest : public testing::Test {
 protected:
  void OpenChannel(std::unique_ptr<BridgeGpio> bridge = nullptr, std::uint32_t baud = kBaud) {
    uart_ = std::make_unique<CUART>(pty_.SlavePath(), baud, std::move(bridge));
    uart_->SetPacketCallback(received_.Callback());
    ASSERT_EQ(uart_->Open(pty_.SlavePath()), 0) << uart_->LastOpenError().Reason();
  }

  PtyPair pty_;
  ReceivedPackets received_;
  std::unique_ptr<CUART> uart_;
};

TEST_F(UartTest, ReaderHandsOverEveryFramedPacketInOrder) {
  OpenChannel();
  const Bytes ack = Hex("AA 00 03 00 14 00 E9");
  const Bytes bad_checksum = Hex("AA 00 03 00 14 00 EA");
  const Bytes event = Hex("AA 00 06 01 02 03 04 05 06 E4");
  Bytes oversize = Hex("AA 04 00");  // length 1024: more than the decoder holds
  oversize.resize(1024 + 4, 0xAA);

  pty_.Send(Concat({Hex("12 34"), ack, Hex("AA 00 00"), bad_checksum, oversize}));
  for (const std::uint8_t byte : event) {  // one packet over many reads
    pty_.Send({byte});
    std::this_thread::sleep_for(2ms);
  }
  EXPECT_EQ(received_.WaitFor(3), (std::vector<Bytes>{ack, bad_checksum, event}));
}

TEST_F(UartTest, CommandsLeaveByteExactWithOrWithoutTheNullByte) {
  OpenChannel();
  uart_->SignalAck();
  Write(*uart_, Command(0x02, Hex("00 04")));
  EXPECT_EQ(pty_.Receive(7), Hex("AA 00 03 02 00 04 F7"));
  Write(*uart_, Command(0x02, Hex("00 04"), true));
  EXPECT_EQ(pty_.Receive(8), Hex("00 AA 00 03 02 00 04 F7"));
}

TEST_F(UartTest, NextQueuedCommandWaitsForTheCommandAck) {
  OpenChannel();
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(0x02, Hex("00 05")));
  const auto first = pty_.ReceivePacket();
  ASSERT_TRUE(first);
  EXPECT_FALSE(pty_.ReceivePacket(300ms)) << "written before the Command ACK";

  const auto released = Clock::now();
  uart_->SignalAck();
  const auto second = pty_.ReceivePacket();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->packet, Command(0x02, Hex("00 05")));
  EXPECT_GE(second->when, released);
  EXPECT_LT(second->when - first->when, 1500ms) << "paced by the time-out, not the ACK";
}

TEST_F(UartTest, WithoutACommandAckTheNextCommandGoesAfter1600Ms) {
  OpenChannel();
  const auto queued = Clock::now();
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(0x02, Hex("00 05")));
  ASSERT_TRUE(pty_.ReceivePacket());
  const auto second = pty_.ReceivePacket();
  ASSERT_TRUE(second);
  EXPECT_GE(second->when - queued, std::chrono::milliseconds(pacing::kCommandAckTimeoutMs));
}

TEST_F(UartTest, AReleaseWhileNothingWaitsIsRememberedForOnePacket) {
  OpenChannel();
  uart_->SignalAck();
  const auto queued = Clock::now();
  for (const std::uint8_t action : Hex("04 05 06")) Write(*uart_, Command(0x02, {0x00, action}));

  const auto first = pty_.ReceivePacket();
  const auto second = pty_.ReceivePacket();
  const auto third = pty_.ReceivePacket();
  ASSERT_TRUE(first && second && third);
  EXPECT_LT(second->when - queued, 1500ms) << "the remembered release was lost";
  EXPECT_GE(third->when - queued, std::chrono::milliseconds(pacing::kCommandAckTimeoutMs))
      << "one release let two packets through";
}

class UartEventAckTest : public UartTest, public testing::WithParamInterface<bool> {};

TEST_P(UartEventAckTest, EventAckGoesOutAtOnceWhileACommandWaitsForItsAck) {
  const bool fill_null = GetParam();
  OpenChannel();
  const auto queued = Clock::now();
  Write(*uart_, Command(0x02, Hex("00 04"), fill_null));
  Write(*uart_, Command(0x02, Hex("00 05"), fill_null));
  ASSERT_TRUE(pty_.ReceivePacket());

  const Bytes event_ack = Command(packet::kEventAckOpcode, Hex("02"), fill_null);
  Write(*uart_, event_ack);
  const auto next = pty_.ReceivePacket();
  ASSERT_TRUE(next);
  EXPECT_EQ(next->packet, Command(packet::kEventAckOpcode, Hex("02")));
  EXPECT_LT(next->when - queued, 1500ms) << "the Event ACK was queued";

  const auto queued_second = pty_.ReceivePacket();
  ASSERT_TRUE(queued_second);
  EXPECT_EQ(queued_second->packet, Command(0x02, Hex("00 05")));
  EXPECT_GE(queued_second->when - queued, std::chrono::milliseconds(pacing::kCommandAckTimeoutMs));
}

INSTANTIATE_TEST_SUITE_P(NullByte, UartEventAckTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& p) {
                           return p.param ? "WithNullByte" : "WithoutNullByte";
                         });

TEST_F(UartTest, OpeningTwiceStartsNoNewThreads) {
  const int before = ThreadCount();
  OpenChannel();
  EXPECT_EQ(ThreadCount(), before + 2);
  EXPECT_EQ(uart_->Open(pty_.SlavePath()), 0);
  EXPECT_EQ(ThreadCount(), before + 2);
}

TEST_F(UartTest, ASecondChannelOnAnOpenPortIsRefusedAtTheExclusiveAccessStep) {
  OpenChannel();
  CUART second(pty_.SlavePath(), kBaud, 0);
  EXPECT_EQ(second.Open(pty_.SlavePath()), 2);
  EXPECT_FALSE(second.IsOpen());
  EXPECT_FALSE(second.LastOpenError().Reason().empty());
}

TEST_F(UartTest, ClosingGivesUpExclusiveAccessSoThePortCanBeOpenedAgain) {
  OpenChannel();
  int exclusive = 0;
  ASSERT_EQ(::ioctl(pty_.SlaveFd(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 1);
  uart_->Close();
  ASSERT_EQ(::ioctl(pty_.SlaveFd(), TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);  // without it, only root could open the pseudo-terminal again
  EXPECT_EQ(uart_->Open(pty_.SlavePath()), 0);
}

TEST(UartOpen, FailuresNameTheirStepAndLeaveNothingOpen) {
  PtyPair pty;
  const struct {
    const char* path;
    std::uint32_t baud;
    int step;
  } cases[] = {
      {"/dev/no-such-port", kBaud, 1},
      {pty.SlavePath().c_str(), 0, 6},
      {"/dev/null", kBaud, 2},  // not a terminal: no exclusive mode
  };
  const int threads = ThreadCount();
  for (const auto& c : cases) {
    CUART uart(c.path, c.baud, 0);
    EXPECT_EQ(uart.Open(c.path), c.step) << c.path;
    EXPECT_FALSE(uart.IsOpen());
    EXPECT_EQ(uart.Open(c.path), c.step) << "a second try reported success";
    EXPECT_NE(uart.LastOpenError().os_error, 0);
  }
  EXPECT_EQ(ThreadCount(), threads);
  CUART after(pty.SlavePath(), kBaud, 0);
  EXPECT_EQ(after.Open(pty.SlavePath()), 0) << "a failed open kept the port";
}

TEST_F(UartTest, AnyPositiveBaudRateOpens) {
  for (const std::uint32_t baud : {1200u, 9600u, 250000u, 921600u, 1000000u}) {
    CUART uart(pty_.SlavePath(), baud, 0);
    EXPECT_EQ(uart.Open(pty_.SlavePath()), 0) << baud << ": " << uart.LastOpenError().Reason();
  }
}

TEST_F(UartTest, ClosingWithHalfAPacketReceivedEndsTheReaderAndTheDestructorReturnsPromptly) {
  const int before = ThreadCount();
  OpenChannel();
  pty_.Send(Hex("AA 00 05 14"));
  std::this_thread::sleep_for(100ms);
  uart_->Close();
  EXPECT_EQ(WaitForThreadCount(before), before);
  const auto start = Clock::now();
  uart_.reset();
  EXPECT_LT(Clock::now() - start, 900ms);
  EXPECT_TRUE(received_.WaitFor(1, 0ms).empty());
}

TEST_F(UartTest, DestroyingAnOpenChannelWakesAndJoinsBothThreads) {
  const int before = ThreadCount();
  OpenChannel();
  Write(*uart_, Command(0x02, Hex("00 04")));  // the writer now waits for its Command ACK
  ASSERT_TRUE(pty_.ReceivePacket());
  const auto start = Clock::now();
  uart_.reset();
  EXPECT_LT(Clock::now() - start, 900ms);
  EXPECT_EQ(ThreadCount(), before);
}

TEST_F(UartTest, TheFarEndVanishingEndsTheReaderSilently) {
  const int before = ThreadCount();
  OpenChannel();
  pty_.Send(Hex("AA 00 05"));
  pty_.CloseMaster();
  EXPECT_EQ(WaitForThreadCount(before + 1), before + 1) << "the reader did not end";
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(packet::kEventAckOpcode, Hex("02")));
  uart_.reset();
  EXPECT_EQ(ThreadCount(), before);
  EXPECT_TRUE(received_.WaitFor(1, 0ms).empty());
}

struct GapCase {
  std::uint32_t baud;
  std::uint32_t delay_ms;
  std::uint32_t gap_ms;
};

void PrintTo(const GapCase& c, std::ostream* os) {
  *os << c.baud << " baud, delay " << c.delay_ms << " ms";
}

class UartBridgeTest : public UartTest, public testing::WithParamInterface<GapCase> {
 protected:
  std::vector<RecordingBridge::Call> calls_;
  std::mutex calls_mutex_;
};

TEST_P(UartBridgeTest, RaisesTheLineAroundEachQueuedPacketThenKeepsTheTrailingGap) {
  const GapCase c = GetParam();
  ASSERT_EQ(pacing::TrailingGapMs(c.baud), c.gap_ms);
  OpenChannel(std::make_unique<RecordingBridge>(calls_, calls_mutex_), c.baud);
  uart_->SetDelayTime(c.delay_ms);
  uart_->SignalAck();  // the first packet does not wait for its ACK
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(0x02, Hex("00 05")));
  const auto first = pty_.ReceivePacket();
  ASSERT_TRUE(first);
  ASSERT_TRUE(pty_.ReceivePacket());
  uart_.reset();

  ASSERT_EQ(calls_.size(), 4u);
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    EXPECT_EQ(calls_[i].set, i % 2 == 0);
    EXPECT_EQ(calls_[i].pin, BridgeGpio::kRxIndicationPin);
  }
  const auto ms = [](std::uint32_t n) { return std::chrono::milliseconds(n); };
  EXPECT_GE(first->when - calls_[0].when, ms(c.delay_ms)) << "written before the lead time";
  EXPECT_GE(calls_[1].when - calls_[0].when, ms(c.delay_ms + pacing::kLineHoldMs));
  EXPECT_GE(calls_[2].when - calls_[1].when, ms(c.gap_ms)) << "trailing gap too short";
}

INSTANTIATE_TEST_SUITE_P(BaudRates, UartBridgeTest,
                         testing::Values(GapCase{9600, 0, 36}, GapCase{57600, 0, 6},
                                         GapCase{115200, 0, 3}, GapCase{230400, 0, 0},
                                         GapCase{115200, 20, 3}),
                         [](const testing::TestParamInfo<GapCase>& p) {
                           return std::to_string(p.param.baud) + "Delay" +
                                  std::to_string(p.param.delay_ms);
                         });

TEST_F(UartBridgeTest, EventAckIsNotWrappedInTheLine) {
  OpenChannel(std::make_unique<RecordingBridge>(calls_, calls_mutex_));
  Write(*uart_, Command(packet::kEventAckOpcode, Hex("02")));
  ASSERT_TRUE(pty_.ReceivePacket());
  uart_.reset();
  EXPECT_TRUE(calls_.empty());
}

TEST_F(UartTest, WaitUntilIdleReturnsOnceTheLastPacketsAckWaitHasEnded) {
  OpenChannel();
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(0x02, Hex("00 05")));
  auto idle = std::async(std::launch::async, [this] { uart_->WaitUntilIdle(); });
  ASSERT_TRUE(pty_.ReceivePacket());
  EXPECT_EQ(idle.wait_for(100ms), std::future_status::timeout) << "idle with a packet queued";
  uart_->SignalAck();
  ASSERT_TRUE(pty_.ReceivePacket());
  EXPECT_EQ(idle.wait_for(100ms), std::future_status::timeout) << "idle before the last ACK";
  uart_->SignalAck();
  EXPECT_EQ(idle.wait_for(5s), std::future_status::ready);
}

TEST_F(UartTest, WaitUntilIdleReturnsWhenTheChannelCloses) {
  OpenChannel();
  Write(*uart_, Command(0x02, Hex("00 04")));
  Write(*uart_, Command(0x02, Hex("00 05")));
  auto idle = std::async(std::launch::async, [this] { uart_->WaitUntilIdle(); });
  ASSERT_TRUE(pty_.ReceivePacket());
  uart_->Close();
  EXPECT_EQ(idle.wait_for(5s), std::future_status::ready);
}

TEST(CUART, ModeOneSetsUpTheBridgeOtherModesLeaveItOff) {
  EXPECT_TRUE(CUART("/dev/null", kBaud, 1).BridgeActive());
  EXPECT_FALSE(CUART("/dev/null", kBaud, 0).BridgeActive());
  EXPECT_FALSE(CUART("/dev/null", kBaud, 2).BridgeActive());
}

}  // namespace
