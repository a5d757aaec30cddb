// Our standard-form frames decoded by ffmpeg's G.723.1 decoder come out exactly as our own
// decoder has them. Runs when ffmpeg with that decoder is installed (the setup script
// installs it); otherwise it is reported as skipped.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/encoder.h"
#include "voiceprompt/tests/vector_files.h"

namespace {

bool ffmpegDecodes(const std::string& bits, const std::string& pcm) {
  const pid_t pid = fork();
  if (pid == 0) {
    execlp("ffmpeg", "ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "g723_1", "-i", bits.c_str(), "-f",
           "s16le", "-acodec", "pcm_s16le", pcm.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool ffmpegAvailable() { return std::system("ffmpeg -hide_banner -decoders 2>/dev/null | grep -q g723_1") == 0; }

// Synthetic input that exercises the coder beyond the reference vectors: a chirp with noise.
std::vector<std::int16_t> chirpWithNoise(std::size_t n) {
  std::vector<std::int16_t> s(n);
  std::uint32_t seed = 2024;  // fixed seed
  double phase = 0;
  for (std::size_t i = 0; i < n; ++i) {
    phase += 0.05 + 0.8 * double(i) / double(n);
    seed = seed * 1664525u + 1013904223u;
    const int noise = static_cast<int>(seed >> 20) - 2048;
    s[i] = static_cast<std::int16_t>(12000 * std::sin(phase) + noise);
  }
  return s;
}

class FfmpegInterop : public ::testing::TestWithParam<const char*> {};

TEST_P(FfmpegInterop, FfmpegDecodesOurFramesAsWeDo) {
  if (!ffmpegAvailable()) GTEST_SKIP() << "ffmpeg with the g723_1 decoder is not installed";
  const std::string name = GetParam();
  const std::vector<std::int16_t> input =
      name == "chirp" ? chirpWithNoise(8000 * 4) : vectors::readPcm(vectors::dataPath("vectors/" + name + ".pcm"));

  g723::CoderTables tables;
  g723::Encoder encoder(tables);
  g723::Decoder decoder(tables);
  const std::size_t frames = input.size() / g723::kFrame;
  std::vector<std::uint8_t> bits(frames * g723::kFrameBytes);
  std::vector<std::int16_t> ours(frames * g723::kFrame);
  for (std::size_t f = 0; f < frames; ++f) {
    encoder.encode(&input[f * g723::kFrame], &bits[f * g723::kFrameBytes]);
    decoder.decode(&bits[f * g723::kFrameBytes], &ours[f * g723::kFrame]);
  }

  char dir[] = "/tmp/g723-interopXXXXXX";
  ASSERT_NE(nullptr, mkdtemp(dir));
  const std::string bitsPath = std::string(dir) + "/frames.tco";
  const std::string pcmPath = std::string(dir) + "/decoded.pcm";
  std::FILE* f = std::fopen(bitsPath.c_str(), "wb");
  std::fwrite(bits.data(), 1, bits.size(), f);
  std::fclose(f);
  ASSERT_TRUE(ffmpegDecodes(bitsPath, pcmPath));
  const std::vector<std::int16_t> theirs = vectors::readPcm(pcmPath);
  std::system(("rm -rf '" + std::string(dir) + "'").c_str());

  ASSERT_EQ(ours.size(), theirs.size());
  std::size_t first = 0;
  while (first < ours.size() && ours[first] == theirs[first]) ++first;
  EXPECT_EQ(ours.size(), first) << "first difference in frame " << first / g723::kFrame;
}

INSTANTIATE_TEST_SUITE_P(Inputs, FfmpegInterop, ::testing::Values("speech_10s", "noise", "square500", "chirp"),
                         [](const ::testing::TestParamInfo<const char*>& p) { return std::string(p.param); });

}  // namespace
