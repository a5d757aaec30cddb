#include "link/command_set_layer.h"

#include "link/tests/event_bytes.h"
#include "link/tests/hex_bytes.h"
#include "link/tests/pty_pair.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

using namespace std::chrono_literals;

// What the layer reported, in order: traces in both directions and delivered events.
struct Report {
  enum Kind { kTraceCommand, kTraceEvent, kEvent } kind;
  Bytes bytes;  // the traced run, or the delivered packet
  std::uint8_t type = 0;
  EVENT_TYPE_CONTENT_ content{};
};

class Reports {
 public:
  void Bind(CommandSetLayer& layer) {
    layer.SetTraceCallback([this](int direction, unsigned char* p, int n) {
      Add({direction == ::kTraceCommand ? Report::kTraceCommand : Report::kTraceEvent,
           Bytes(p, p + n)});
    });
    layer.SetEventCallback([this](const unsigned char* p, int n, const event_type_& type,
                                  EVENT_TYPE_CONTENT_ content) {
      Add({Report::kEvent, Bytes(p, p + n), type, content});
    });
  }
  std::vector<Report> WaitFor(std::size_t count, std::chrono::milliseconds within = 5s) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, within, [&] { return reports_.size() >= count; });
    return reports_;
  }
  std::vector<Report> Now() { return WaitFor(0, 0ms); }

 private:
  void Add(Report report) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      reports_.push_back(std::move(report));
    }
    changed_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Report> reports_;
};

class CommandSetLayerTest : public testing::Test {
 protected:
  void SetUp() override {
    reports_.Bind(layer_);
    ASSERT_EQ(layer_.Open(pty_.SlavePath(), 115200, 0), 0);
  }
  // Bytes the module side received within a short while (for "nothing was sent").
  Bytes Stray() { return pty_.Receive(1, 300ms); }

  PtyPair pty_;
  Reports reports_;
  CommandSetLayer layer_;
};

TEST_F(CommandSetLayerTest, SendsAndTracesTheRunWithTheFillNullByte) {
  layer_.Channel()->SetFillNull(true);
  EXPECT_EQ(layer_.MMI_ACTION(1, 0x04), kSent);
  const Bytes expected = Hex("00 AA 00 03 02 01 04 F6");
  EXPECT_EQ(pty_.Receive(expected.size()), expected);
  const std::vector<Report> reports = reports_.WaitFor(1);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].kind, Report::kTraceCommand);
  EXPECT_EQ(reports[0].bytes, expected);
}

TEST_F(CommandSetLayerTest, RefusedCommandsSendAndTraceNothing) {
  EXPECT_EQ(layer_.MAKE_CALL(0, std::string(21, '1')), kSendDialLength);
  EXPECT_EQ(layer_.CHANGE_DEVICE_NAME(std::string(33, 'n')), kSendTooLong);
  const Bytes params(packet::kMaxCommandParameters + 1, 0);
  EXPECT_EQ(layer_.SendCommand(0x40, params.data(), static_cast<uint16_t>(params.size())),
            kSendTooLong);
  EXPECT_TRUE(Stray().empty());
  EXPECT_TRUE(reports_.Now().empty());
}

TEST(CommandSetLayer, SendsNothingBeforeOpen) {
  CommandSetLayer layer;
  Reports reports;
  reports.Bind(layer);
  EXPECT_EQ(layer.MMI_ACTION(0, 0x04), kSendNoChannel);
  EXPECT_TRUE(reports.Now().empty());
}

TEST_F(CommandSetLayerTest, EventIsAcknowledgedDeliveredThenTraced) {
  pty_.Send(Hex("AA 00 03 02 01 03 F7"));
  EXPECT_EQ(pty_.Receive(6), Hex("AA 00 02 14 02 E8"));
  const std::vector<Report> reports = reports_.WaitFor(3);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].kind, Report::kTraceCommand);
  EXPECT_EQ(reports[0].bytes, Hex("AA 00 02 14 02 E8"));
  EXPECT_EQ(reports[1].kind, Report::kEvent);
  EXPECT_EQ(reports[1].type, CALL_STATUS);
  EXPECT_EQ(reports[1].content[0], 0x01);
  EXPECT_EQ(reports[1].content[1], 0x03);
  EXPECT_EQ(reports[2].kind, Report::kTraceEvent);
  EXPECT_EQ(reports[2].bytes, Hex("AA 00 03 02 01 03 F7"));
}

TEST_F(CommandSetLayerTest, RejectedEventLeavesOnlyItsAck) {
  pty_.Send(Hex("AA 00 03 02 02 03 F6"));  // link 2 does not exist
  pty_.Send(Hex("AA 00 03 00 12 06 E5"));  // status 6 does not exist; never acknowledged
  EXPECT_EQ(pty_.Receive(6), Hex("AA 00 02 14 02 E8"));
  pty_.Send(Hex("AA 00 02 30 00 CE"));     // a good event to know the others are done
  // The reader handles packets in order: once the good event is traced, the others are done.
  const std::vector<Report> reports = reports_.WaitFor(4);
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_EQ(reports[0].bytes, Hex("AA 00 02 14 02 E8"));
  EXPECT_EQ(reports[1].bytes, Hex("AA 00 02 14 30 BA"));
  EXPECT_EQ(reports[2].type, BTM_INIT_COMPLETE);
  EXPECT_EQ(reports[3].kind, Report::kTraceEvent);
}

TEST_F(CommandSetLayerTest, CommandAckIsDeliveredWithoutAnAck) {
  pty_.Send(Hex("AA 00 03 00 12 04 E7"));
  const std::vector<Report> reports = reports_.WaitFor(2);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].kind, Report::kEvent);
  EXPECT_EQ(reports[0].content[0], 0x12);
  EXPECT_EQ(reports[0].content[1], 0x04);
  EXPECT_EQ(reports[1].kind, Report::kTraceEvent);
  EXPECT_TRUE(Stray().empty());
}

TEST_F(CommandSetLayerTest, BrokenPacketIsNeitherAcknowledgedNorReported) {
  pty_.Send(Hex("AA 00 03 02 01 03 F8"));  // checksum off by one
  pty_.Send(Hex("AA 00 02 30 00 CE"));
  EXPECT_EQ(pty_.Receive(6), Hex("AA 00 02 14 30 BA"));
  const std::vector<Report> reports = reports_.WaitFor(3);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].bytes, Hex("AA 00 02 14 30 BA"));
  EXPECT_EQ(reports[1].type, BTM_INIT_COMPLETE);
}

TEST_F(CommandSetLayerTest, RewritesShowInTheContentAndInTheTrace) {
  const Bytes sent = Event(SPP_DATA, Hex("00 00 00 20 00 10 41"));
  pty_.Send(sent);
  const std::vector<Report> reports = reports_.WaitFor(3);
  ASSERT_EQ(reports.size(), 3u);
  const Bytes rewritten = Concat({Hex("AA 00 08 22 00 00 20 00 10 00 41"), {sent.back()}});
  EXPECT_EQ(reports[1].bytes, rewritten);
  EXPECT_EQ(reports[1].content.Native16(2), 0x20);
  EXPECT_EQ(reports[1].content.Native16(4), 0x10);
  EXPECT_EQ(reports[2].bytes, rewritten);
}

TEST_F(CommandSetLayerTest, EventCallbackMaySendCommands) {
  layer_.SetEventCallback([this](const unsigned char*, int, const event_type_& type,
                                 EVENT_TYPE_CONTENT_) {
    if (type == BTM_STATUS) layer_.READ_LINKED_DEVICE_INFO(0, 0x00);
  });
  pty_.Send(Hex("AA 00 03 01 05 10 E7"));
  EXPECT_EQ(pty_.Receive(6), Hex("AA 00 02 14 01 E9"));
  EXPECT_EQ(pty_.Receive(7), Hex("AA 00 03 16 00 00 E7"));
}

TEST(CommandSetLayer, FailedOpenKeepsTheClosedChannel) {
  CommandSetLayer layer;
  EXPECT_EQ(layer.Open("/nonexistent/tty", 115200, 0), 1);
  ASSERT_NE(layer.Channel(), nullptr);
  EXPECT_FALSE(layer.Channel()->IsOpen());
  EXPECT_EQ(layer.MMI_ACTION(0, 0x04), kSent);  // queued on the closed channel, never written
}

}  // namespace
