// quorlin-cli's voice-prompt subcommands: tts-encode against the reference frames, its
// rejections, and tts-send over a pseudo-terminal with the test as the module.

#include "console/cli/quorlin_cli.h"
#include "console/tests/cli_in_process.h"

#include "link/tests/hex_bytes.h"
#include "link/tests/pty_pair.h"
#include "voiceprompt/tests/vector_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Each test runs in a directory of its own: the conversion writes output.wav there.
class TtsCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tts-cli-testXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir_ = pattern;
    char here[4096];
    ASSERT_NE(nullptr, getcwd(here, sizeof here));
    previous_ = here;
    ASSERT_EQ(0, chdir(dir_.c_str()));
  }
  void TearDown() override {
    ASSERT_EQ(0, chdir(previous_.c_str()));
    std::system(("rm -rf '" + dir_ + "'").c_str());
  }
  static void Write(const std::string& name, const Bytes& bytes) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  static Bytes Swapped(Bytes b) {
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) std::swap(b[i], b[i + 1]);
    return b;
  }

  std::string dir_;
  std::string previous_;
};

TEST_F(TtsCommands, EncodeWritesTheDownloadBytesAndTheCheckFile) {
  Write("speech.wav", vectors::wavFile(vectors::readPcm(vectors::dataPath("vectors/speech_3s.pcm"))));
  InProcessRun run = RunInProcess({"tts-encode", "speech.wav", "rounded.bin"});
  EXPECT_EQ(kCliExitOk, run.exit_code) << run.err;
  EXPECT_EQ(Swapped(vectors::readBytes(vectors::dataPath("vectors/speech_3s.rounded.bit"))), vectors::readBytes("rounded.bin"));
  EXPECT_EQ(44u + 104 * 480, vectors::readBytes("output.wav").size());

  run = RunInProcess({"tts-encode", "speech.wav", "standard.bin", "--standard"});
  EXPECT_EQ(kCliExitOk, run.exit_code) << run.err;
  EXPECT_EQ(Swapped(vectors::readBytes(vectors::dataPath("vectors/speech_3s.standard.bit"))), vectors::readBytes("standard.bin"));
}

TEST_F(TtsCommands, RejectedFilesExitOneWithTheMessage) {
  Write("stereo.wav", vectors::wavFile(std::vector<std::int16_t>(2000, 100), {1, 2, 8000, 32000, 16}));
  InProcessRun run = RunInProcess({"tts-encode", "stereo.wav", "out.bin"});
  EXPECT_EQ(kCliExitInputRejected, run.exit_code);
  EXPECT_NE(run.err.find("Invalid wav file format: Not MONO mode !!"), std::string::npos) << run.err;
  EXPECT_TRUE(vectors::readBytes("out.bin").empty());

  Write("text.wav", Hex("41 42 43 44"));
  run = RunInProcess({"tts-encode", "text.wav", "out.bin"});
  EXPECT_EQ(kCliExitInputRejected, run.exit_code);
  EXPECT_NE(run.err.find("text.wav is not a RIFF file"), std::string::npos) << run.err;

  run = RunInProcess({"tts-encode", "missing.wav", "out.bin"});
  EXPECT_EQ(kCliExitInputRejected, run.exit_code);
  EXPECT_NE(run.err.find("Invalid input file name: missing.wav"), std::string::npos) << run.err;

  EXPECT_EQ(kCliExitUsage, RunInProcess({"tts-encode", "speech.wav"}).exit_code);
  EXPECT_EQ(kCliExitUsage, RunInProcess({"--port", "/dev/null", "tts-send"}).exit_code);
}

// The module acknowledges every TTS_DATA command; the download goes through and the log
// shows the packets.
TEST_F(TtsCommands, SendDownloadsTheChunksOverTheLink) {
  std::vector<std::int16_t> samples(25 * 240 - 22);  // 44 + 11956 bytes: 25 frames, 600 bytes of data
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>((i * 331) % 2000 - 1000);
  Write("prompt.wav", vectors::wavFile(samples));
  PtyPair pty;
  std::atomic<bool> stop{false};
  std::vector<Bytes> received;
  std::thread module([&] {
    while (!stop) {
      const auto arrival = pty.ReceivePacket(std::chrono::milliseconds(50));
      if (!arrival) continue;
      received.push_back(arrival->packet);
      if (arrival->packet[3] == 0x20) pty.Send(Hex("AA 00 03 00 20 00 DD"));
    }
  });
  const InProcessRun run = RunInProcess({"--port", pty.SlavePath(), "--for", "0.2", "tts-send", "prompt.wav"});
  stop = true;
  module.join();
  EXPECT_EQ(kCliExitOk, run.exit_code) << run.err;
  ASSERT_EQ(3u, received.size());
  EXPECT_EQ(Hex("AA 00 03 20 00 01 DC"), received[0]);
  EXPECT_EQ(Hex("20 01 01"), Bytes(received[1].begin() + 3, received[1].begin() + 6));
  EXPECT_EQ(4u + 3 + 480, received[1].size());
  EXPECT_EQ(Hex("20 01 03"), Bytes(received[2].begin() + 3, received[2].begin() + 6));
  EXPECT_EQ(4u + 3 + 120, received[2].size());
  EXPECT_NE(run.err.find("tts-send: chunk 2 of 2 acknowledged"), std::string::npos) << run.err;
  EXPECT_NE(run.log.find("AA 00 03 20 00 01 DC"), std::string::npos) << run.log;
}

}  // namespace
