// The coder against the reference vectors: every vector in both forms, encoder and
// decoder, byte for byte; the decoder alone across forms.

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/encoder.h"
#include "voiceprompt/tests/vector_files.h"

namespace {

using vectors::dataPath;

enum class Form { Standard, Rounded };

const char* formName(Form f) { return f == Form::Standard ? "standard" : "rounded"; }

g723::CoderTables tablesFor(Form form) {
  g723::CoderTables tables;
  if (form == Form::Rounded) tables.applyRounding();
  return tables;
}

std::vector<std::uint8_t> encodeAll(const std::vector<std::int16_t>& pcm, Form form) {
  const g723::CoderTables tables = tablesFor(form);
  g723::Encoder encoder(tables, form == Form::Rounded);
  const std::size_t frames = pcm.size() / g723::kFrame;
  std::vector<std::uint8_t> bits(frames * g723::kFrameBytes);
  for (std::size_t f = 0; f < frames; ++f) encoder.encode(&pcm[f * g723::kFrame], &bits[f * g723::kFrameBytes]);
  return bits;
}

std::vector<std::int16_t> decodeAll(const std::vector<std::uint8_t>& bits, Form form) {
  const g723::CoderTables tables = tablesFor(form);
  g723::Decoder decoder(tables);
  const std::size_t frames = bits.size() / g723::kFrameBytes;
  std::vector<std::int16_t> pcm(frames * g723::kFrame);
  for (std::size_t f = 0; f < frames; ++f) decoder.decode(&bits[f * g723::kFrameBytes], &pcm[f * g723::kFrame]);
  return pcm;
}

// "" when equal, else where they part: the first differing frame and, for samples, the
// segmental SNR of ours against the reference output.
template <typename T>
std::string firstDifference(const std::vector<T>& want, const std::vector<T>& got, std::size_t perFrame) {
  if (want == got) return "";
  std::ostringstream out;
  std::size_t i = 0;
  while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
  out << "sizes " << want.size() << " and " << got.size() << "; first difference in frame " << i / perFrame;
  if constexpr (sizeof(T) == 2) out << "; segmental SNR against the reference " << vectors::segmentalSnr(want, got) << " dB";
  return out.str();
}

struct Case {
  const char* vector;
  Form form;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.vector << " " << formName(c.form); }

class VectorConformance : public ::testing::TestWithParam<Case> {};

TEST_P(VectorConformance, EncoderReproducesFrames) {
  const Case c = GetParam();
  const auto pcm = vectors::readPcm(dataPath("vectors/") + c.vector + ".pcm");
  const auto want = vectors::readBytes(dataPath("vectors/") + c.vector + "." + formName(c.form) + ".bit");
  ASSERT_FALSE(want.empty());
  EXPECT_EQ("", firstDifference(want, encodeAll(pcm, c.form), g723::kFrameBytes));
}

TEST_P(VectorConformance, DecoderReproducesOutput) {
  const Case c = GetParam();
  const std::string base = dataPath("vectors/") + c.vector + "." + formName(c.form);
  const auto bits = vectors::readBytes(base + ".bit");
  const auto want = vectors::readPcm(base + ".dec.pcm");
  ASSERT_FALSE(want.empty());
  EXPECT_EQ("", firstDifference(want, decodeAll(bits, c.form), g723::kFrame));
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return std::string(info.param.vector) + "_" + formName(info.param.form);
}

constexpr const char* kVectors[] = {"speech_3s", "speech_10s", "silence", "sine1k", "sweep", "noise", "square500"};

std::vector<Case> allCases() {
  std::vector<Case> cases;
  for (const char* v : kVectors) {
    cases.push_back({v, Form::Standard});
    cases.push_back({v, Form::Rounded});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Vectors, VectorConformance, ::testing::ValuesIn(allCases()), caseName);

TEST(CrossDecoding, RoundedDecoderOnStandardFrames) {
  const auto bits = vectors::readBytes(dataPath("vectors/speech_10s.standard.bit"));
  const auto want = vectors::readPcm(dataPath("vectors/cross.rounded-dec.pcm"));
  EXPECT_EQ("", firstDifference(want, decodeAll(bits, Form::Rounded), g723::kFrame));
}

TEST(CrossDecoding, StandardDecoderOnRoundedFrames) {
  const auto bits = vectors::readBytes(dataPath("vectors/speech_10s.rounded.bit"));
  const auto want = vectors::readPcm(dataPath("vectors/cross.standard-dec.pcm"));
  EXPECT_EQ("", firstDifference(want, decodeAll(bits, Form::Standard), g723::kFrame));
}

}  // namespace
