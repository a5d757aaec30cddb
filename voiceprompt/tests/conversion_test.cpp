// Converting WAV files: header checks and their messages, frame count, the check file,
// the byte order of the encoded data and the chunk plan.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "voiceprompt/chunk_plan.h"
#include "voiceprompt/conversion.h"
#include "voiceprompt/wav_format.h"
#include "voiceprompt/tests/vector_files.h"

namespace {

using voiceprompt::Conversion;

struct RecordingReporter : voiceprompt::Reporter {
  std::vector<std::pair<std::string, std::string>> messages;
  void showMessage(const std::string& caption, const std::string& text) override { messages.emplace_back(caption, text); }
};

using vectors::WavFields;
using vectors::wavFile;

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/voiceprompt-testXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path(name).c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path(name);
  }

  Conversion convert(const std::string& input, voiceprompt::CoderForm form = voiceprompt::CoderForm::Rounded) {
    return voiceprompt::convertWavFile(input, path("output.wav"), codec_, form, reporter_);
  }

  std::string dir_;
  voiceprompt::VoicePromptCodec codec_;
  RecordingReporter reporter_;
};

std::vector<std::int16_t> tone(std::size_t n) {
  std::vector<std::int16_t> s(n);
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<std::int16_t>((i * 977) % 4001) - 2000;
  return s;
}

std::vector<std::uint8_t> unswapped(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out(data.size());
  voiceprompt::swapWordBytes(data.data(), data.size(), out.data());
  return out;
}

// speech_3s as a WAV file: the conversion reads the same 104 frames the reference encoded,
// so its data, words swapped back, is the rounded reference bit stream and its check file
// holds the rounded reference decoder output.
TEST_F(ConversionTest, ReferenceSpeechGivesReferenceFramesAndCheckFile) {
  const auto samples = vectors::readPcm(vectors::dataPath("vectors/speech_3s.pcm"));
  const Conversion c = convert(write("speech.wav", wavFile(samples)));
  ASSERT_EQ(Conversion::Status::Converted, c.status);
  EXPECT_EQ(vectors::readBytes(vectors::dataPath("vectors/speech_3s.rounded.bit")), unswapped(c.data));

  const auto check = vectors::readBytes(path("output.wav"));
  ASSERT_EQ(44u + 104 * 480, check.size());
  const auto header = voiceprompt::outputWavHeader(104 * 480);
  EXPECT_EQ(std::vector<std::uint8_t>(header.begin(), header.end()), std::vector<std::uint8_t>(check.begin(), check.begin() + 44));
  EXPECT_EQ(vectors::readBytes(vectors::dataPath("vectors/speech_3s.rounded.dec.pcm")),
            std::vector<std::uint8_t>(check.begin() + 44, check.end()));
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ConversionTest, StandardFormGivesStandardFrames) {
  const auto samples = vectors::readPcm(vectors::dataPath("vectors/speech_3s.pcm"));
  const Conversion c = convert(write("speech.wav", wavFile(samples)), voiceprompt::CoderForm::Standard);
  EXPECT_EQ(vectors::readBytes(vectors::dataPath("vectors/speech_3s.standard.bit")), unswapped(c.data));
  // and the rounded form again afterwards: preparing switches the tables both ways
  const Conversion again = convert(path("speech.wav"));
  EXPECT_EQ(vectors::readBytes(vectors::dataPath("vectors/speech_3s.rounded.bit")), unswapped(again.data));
}

TEST_F(ConversionTest, TenSecondFileGives333FramesIn16FullChunksAndA312ByteTail) {
  const Conversion c = convert(write("ten.wav", wavFile(tone(80000))));
  ASSERT_EQ(Conversion::Status::Converted, c.status);
  EXPECT_EQ(333u * 24, c.data.size());
  const auto chunks = voiceprompt::planChunks(c.data.size());
  ASSERT_EQ(17u, chunks.size());
  EXPECT_EQ(voiceprompt::kFirstChunk, chunks[0].kind);
  for (std::size_t i = 1; i < 16; ++i) {
    EXPECT_EQ(voiceprompt::kNextChunk, chunks[i].kind) << i;
    EXPECT_EQ(480u, chunks[i].size) << i;
    EXPECT_EQ(480u * i, chunks[i].offset) << i;
  }
  EXPECT_EQ(voiceprompt::kLastPartialChunk, chunks[16].kind);
  EXPECT_EQ(312u, chunks[16].size);
  EXPECT_EQ(7680u, chunks[16].offset);
  EXPECT_EQ(44u + 333 * 480, vectors::readBytes(path("output.wav")).size());
}

TEST_F(ConversionTest, TwentyFramesExactlyGiveOneChunkAndNoTail) {
  const auto file = wavFile(tone(4800));
  ASSERT_EQ(9644u, file.size());
  const Conversion c = convert(write("twenty.wav", file));
  ASSERT_EQ(480u, c.data.size());
  const auto chunks = voiceprompt::planChunks(c.data.size());
  ASSERT_EQ(1u, chunks.size());
  EXPECT_EQ(voiceprompt::kFirstChunk, chunks[0].kind);
}

// The header counts towards the frames, so the last frame can run past the samples; the
// samples it lacks are zero.
TEST_F(ConversionTest, ShortLastReadIsZeroPadded) {
  const std::vector<std::int16_t> samples = tone(460);  // 44 + 920 bytes: 2 frames, 460 samples
  const Conversion c = convert(write("short.wav", wavFile(samples)));
  ASSERT_EQ(48u, c.data.size());
  std::vector<std::int16_t> padded(samples);
  padded.resize(480, 0);
  voiceprompt::VoicePromptCodec fresh;
  fresh.prepare(voiceprompt::CoderForm::Rounded);
  std::vector<std::uint8_t> want(48);
  std::int16_t decoded[240];
  fresh.codeFrame(&padded[0], &want[0], decoded);
  fresh.codeFrame(&padded[240], &want[24], decoded);
  EXPECT_EQ(want, unswapped(c.data));
}

TEST(ChunkPlan, SmallDataIsOneTailChunkAndNoDataNoChunk) {
  const auto chunks = voiceprompt::planChunks(120);
  ASSERT_EQ(1u, chunks.size());
  EXPECT_EQ(voiceprompt::kLastPartialChunk, chunks[0].kind);
  EXPECT_TRUE(voiceprompt::planChunks(0).empty());
}

TEST(ByteSwap, ExchangesTheBytesOfEachWord) {
  std::uint8_t frame[24];
  for (int i = 0; i < 24; ++i) frame[i] = static_cast<std::uint8_t>(i);
  std::uint8_t out[24];
  voiceprompt::swapWordBytes(frame, 24, out);
  const std::vector<std::uint8_t> want = {1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14, 17, 16, 19, 18, 21, 20, 23, 22};
  EXPECT_EQ(want, std::vector<std::uint8_t>(out, out + 24));
}

struct RejectCase {
  const char* name;
  WavFields fields;
  const char* message;
};

class RejectedHeader : public ConversionTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedHeader, ShowsItsMessageAndYieldsNothing) {
  const RejectCase& r = GetParam();
  const Conversion c = convert(write("bad.wav", wavFile(tone(4800), r.fields)));
  EXPECT_EQ(Conversion::Status::BadFormat, c.status);
  EXPECT_TRUE(c.data.empty());
  ASSERT_EQ(1u, reporter_.messages.size());
  EXPECT_EQ("Notication", reporter_.messages[0].first);
  EXPECT_EQ(r.message, reporter_.messages[0].second);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RejectedHeader,
    ::testing::Values(RejectCase{"float", {3, 1, 8000, 32000, 32}, "Invalid wav file format: Not PCM Format !!"},
                      RejectCase{"stereo", {1, 2, 8000, 32000, 16}, "Invalid wav file format: Not MONO mode !!"},
                      RejectCase{"rate16k", {1, 1, 16000, 32000, 16}, "Invalid wav file format: Not 8K Sampling rate !!"},
                      RejectCase{"eightBit", {1, 1, 8000, 8000, 8}, "Invalid wav file format: Not 16 bit format !!"}),
    [](const ::testing::TestParamInfo<RejectCase>& p) { return p.param.name; });

TEST_F(ConversionTest, NonRiffFileYieldsNothingSilently) {
  auto bytes = wavFile(tone(4800));
  bytes[0] = 'r';
  const Conversion c = convert(write("notriff.wav", bytes));
  EXPECT_EQ(Conversion::Status::NotRiff, c.status);
  EXPECT_TRUE(c.data.empty());
  EXPECT_TRUE(reporter_.messages.empty());
}

// A RIFF file cut inside its header is read as if the missing bytes were zero.
TEST_F(ConversionTest, TruncatedHeaderIsRejectedAsNotPcm) {
  auto bytes = wavFile(tone(10));
  bytes.resize(12);
  const Conversion c = convert(write("cut.wav", bytes));
  EXPECT_EQ(Conversion::Status::BadFormat, c.status);
  ASSERT_EQ(1u, reporter_.messages.size());
  EXPECT_EQ("Invalid wav file format: Not PCM Format !!", reporter_.messages[0].second);
}

TEST_F(ConversionTest, MissingInputAndUnwritableOutputAreReported) {
  Conversion c = convert(path("missing.wav"));
  EXPECT_EQ(Conversion::Status::CannotOpenInput, c.status);
  const std::string in = write("ok.wav", wavFile(tone(480)));
  c = voiceprompt::convertWavFile(in, path("no/such/dir/output.wav"), codec_, voiceprompt::CoderForm::Rounded, reporter_);
  EXPECT_EQ(Conversion::Status::CannotOpenOutput, c.status);
  ASSERT_EQ(2u, reporter_.messages.size());
  EXPECT_EQ("Invalid input file name: " + path("missing.wav") + "\n", reporter_.messages[0].second);
  EXPECT_EQ("Can't open output file: " + path("no/such/dir/output.wav") + "\n", reporter_.messages[1].second);
}

}  // namespace
