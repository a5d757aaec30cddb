// The voice-prompt download: command order and chunk kinds, progress, and the stop at the
// first acknowledgement that does not come — against a recording command layer, and over a
// pseudo-terminal through CommandSetLayer with the test as the module.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

#include "console/command_ack_release.h"
#include "console/command_ack_routes.h"
#include "link/command_set_layer.h"
#include "link/tests/pty_pair.h"
#include "voiceprompt/download_sequencer.h"

namespace {

using voiceprompt::AckEvent;
using voiceprompt::DownloadOutcome;
using Result = DownloadOutcome::Result;
using std::chrono::milliseconds;

std::vector<std::uint8_t> testData(std::size_t size) {
  std::vector<std::uint8_t> data(size);
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return data;
}

// Records every command; the module it plays acknowledges the first `acks` of them at once.
class RecordingCommands : public CommandBuilders {
 public:
  RecordingCommands(AckEvent& ack, std::size_t acks, std::uint8_t result = kSent) : ack_(ack), acks_(acks), result_(result) {}
  std::uint8_t SendCommand(std::uint8_t opcode, const std::uint8_t* params, std::uint16_t count) override {
    sent.emplace_back(opcode, std::vector<std::uint8_t>(params, params + count));
    if (result_ == kSent && sent.size() <= acks_) ack_.signal();
    return result_;
  }
  std::vector<std::pair<std::uint8_t, std::vector<std::uint8_t>>> sent;

 private:
  AckEvent& ack_;
  std::size_t acks_;
  std::uint8_t result_;
};

std::vector<std::uint8_t> chunkParams(std::uint8_t kind, const std::vector<std::uint8_t>& data, std::size_t from,
                                      std::size_t size) {
  std::vector<std::uint8_t> p(2 + size);
  p[0] = 0x01;
  p[1] = kind;
  for (std::size_t i = 0; i < size; ++i) p[2 + i] = data[from + i];
  return p;
}

TEST(Download, SendsStartThenKindedChunksAndReportsProgress) {
  AckEvent ack;
  RecordingCommands commands(ack, 100);
  const auto data = testData(1200);
  std::vector<std::pair<std::size_t, std::size_t>> progress;
  const DownloadOutcome out = voiceprompt::downloadVoicePrompt(
      commands, data, ack, [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); });
  EXPECT_EQ(Result::Completed, out.result);
  EXPECT_EQ(3u, out.chunksAcknowledged);
  ASSERT_EQ(4u, commands.sent.size());
  for (const auto& c : commands.sent) EXPECT_EQ(0x20, c.first);
  EXPECT_EQ((std::vector<std::uint8_t>{0x00, 0x01}), commands.sent[0].second);
  EXPECT_EQ(chunkParams(1, data, 0, 480), commands.sent[1].second);
  EXPECT_EQ(chunkParams(2, data, 480, 480), commands.sent[2].second);
  EXPECT_EQ(chunkParams(3, data, 960, 240), commands.sent[3].second);
  EXPECT_EQ((std::vector<std::pair<std::size_t, std::size_t>>{{1, 3}, {2, 3}, {3, 3}}), progress);
}

struct StopCase {
  const char* name;
  std::size_t acks;  // acknowledgements the module gives
  Result result;
  std::size_t commands;  // commands sent in all
};

class DownloadStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(DownloadStop, EndsAtTheFirstMissingAcknowledgement) {
  const StopCase& c = GetParam();
  AckEvent ack;
  RecordingCommands commands(ack, c.acks);
  const DownloadOutcome out = voiceprompt::downloadVoicePrompt(commands, testData(2400), ack, {}, milliseconds(30));
  EXPECT_EQ(c.result, out.result);
  EXPECT_EQ(c.commands, commands.sent.size());
  EXPECT_EQ(c.acks == 0 ? 0u : c.acks - 1, out.chunksAcknowledged);
  EXPECT_EQ(5u, out.chunksTotal);
}

INSTANTIATE_TEST_SUITE_P(Acks, DownloadStop,
                         ::testing::Values(StopCase{"none", 0, Result::StartNotAcknowledged, 1},
                                           StopCase{"startOnly", 1, Result::ChunkNotAcknowledged, 2},
                                           StopCase{"threeChunks", 4, Result::ChunkNotAcknowledged, 5}),
                         [](const ::testing::TestParamInfo<StopCase>& p) { return p.param.name; });

// A signal left over from before the download does not acknowledge its start.
TEST(Download, EarlierSignalDoesNotCount) {
  AckEvent ack;
  ack.signal();
  RecordingCommands commands(ack, 0);
  EXPECT_EQ(Result::StartNotAcknowledged,
            voiceprompt::downloadVoicePrompt(commands, testData(480), ack, {}, milliseconds(30)).result);
}

// Without a link nothing goes out, and the download does not wait for acknowledgements.
TEST(Download, RefusedCommandEndsAtOnce) {
  AckEvent ack;
  RecordingCommands commands(ack, 0, kSendNoChannel);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Result::NotSent, voiceprompt::downloadVoicePrompt(commands, testData(480), ack).result);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(1u, commands.sent.size());
}

TEST(CommandAckRoutes, TtsDataGoesToTheVoicePromptHandler) {
  EXPECT_EQ(CommandAckRoute::VoicePrompt, RouteCommandAck(0x20));
  EXPECT_EQ(CommandAckRoute::CommandStatus, RouteCommandAck(0x12));
  EXPECT_EQ(CommandAckRoute::CommandStatus, RouteCommandAck(0xFD));
  EXPECT_EQ(CommandAckRoute::None, RouteCommandAck(0x02));

  CommandAckSlots slots;
  std::vector<int> spp;
  std::vector<int> tts;
  slots.SetCommandStatusHandler([&](std::uint8_t s) { spp.push_back(s); });
  slots.SetVoicePromptHandler([&](std::uint8_t s) { tts.push_back(s); });
  slots.Deliver(0x20, 4);
  slots.Deliver(0x12, 0);
  slots.Deliver(0x02, 0);
  EXPECT_EQ(std::vector<int>{4}, tts);
  EXPECT_EQ(std::vector<int>{0}, spp);  // the SPP page keeps its handler during a voice prompt
}

// The module side of the pseudo-terminal: it answers the first `acks` TTS_DATA commands
// with a Command ACK (status 0) and then stays silent, recording what it receives.
class SilentAfter {
 public:
  SilentAfter(PtyPair& pty, std::size_t acks) : pty_(pty), acks_(acks), thread_([this] { run(); }) {}
  ~SilentAfter() {
    stop_ = true;
    thread_.join();
  }
  std::vector<Bytes> received() {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
  }

 private:
  void run() {
    while (!stop_) {
      const auto arrival = pty_.ReceivePacket(milliseconds(50));
      if (!arrival) continue;
      std::size_t count;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back(arrival->packet);
        count = received_.size();
      }
      if (arrival->packet[3] == 0x20 && count <= acks_) pty_.Send(Hex("AA 00 03 00 20 00 DD"));
    }
  }
  PtyPair& pty_;
  std::size_t acks_;
  std::mutex mutex_;
  std::vector<Bytes> received_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST(DownloadOverLink, StopsAtMissingAcknowledgementAfterTheFullWait) {
  CommandAckSlots slots;
  AckEvent ack;
  PtyPair pty;
  CommandSetLayer layer;  // destroyed first: its reader thread delivers to slots and ack
  layer.SetEventCallback([&](const unsigned char*, int, const event_type_& type, EVENT_TYPE_CONTENT_ content) {
    if (type != COMMAND_ACK) return;
    if (CommandAckReleasesQueue(content[0], content[1])) layer.Channel()->SignalAck();
    slots.Deliver(content[0], content[1]);
  });
  slots.SetVoicePromptHandler([&](std::uint8_t) { ack.signal(); });
  ASSERT_EQ(0, layer.Open(pty.SlavePath(), 115200, 0));

  SilentAfter module(pty, 3);  // start and two chunks
  const auto data = testData(5 * 480);
  const auto start = std::chrono::steady_clock::now();
  const DownloadOutcome out = voiceprompt::downloadVoicePrompt(layer, data, ack);
  const auto took = std::chrono::steady_clock::now() - start;
  std::this_thread::sleep_for(milliseconds(300));  // nothing more may follow

  EXPECT_EQ(Result::ChunkNotAcknowledged, out.result);
  EXPECT_EQ(2u, out.chunksAcknowledged);
  EXPECT_GE(took, voiceprompt::kAckWait);
  const auto got = module.received();
  ASSERT_EQ(4u, got.size());  // start, chunks 1 to 3
  EXPECT_EQ(Hex("AA 00 03 20 00 01 DC"), got[0]);
  const std::uint8_t kinds[] = {1, 2, 2};
  for (std::size_t i = 1; i < 4; ++i) {
    ASSERT_EQ(4u + 1 + 2 + 480, got[i].size()) << i;
    EXPECT_EQ(0x20, got[i][3]);
    EXPECT_EQ(0x01, got[i][4]);
    EXPECT_EQ(kinds[i - 1], got[i][5]) << i;
    EXPECT_EQ(Bytes(data.begin() + static_cast<std::ptrdiff_t>((i - 1) * 480), data.begin() + static_cast<std::ptrdiff_t>(i * 480)),
              Bytes(got[i].begin() + 6, got[i].end() - 1));
  }
  layer.Close();
}

}  // namespace
