#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "paramtool/eq_coefficient_file.h"
#include "paramtool/eq_design.h"
#include "paramtool/eq_pack.h"
#include "paramtool/eq_response_file.h"
#include "test_support.h"

namespace paramtool {
namespace {

std::string tempPath(const std::string& name) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  return testing::TempDir() + "eq_" + info->name() + "_" + name;
}

EqDesign sampleDesign() {
  EqDesign d;
  d.stageCount = 4;
  d.points = 2048;
  d.sampleRate = 44100;
  d.globalGainDb = -1.5;
  d.stages = {{{120, 4.5, 0.7}, {900, -3.25, 2}, {3300, 2, 1.2}, {9000, -6, 0.9}, {16000, 0, 1}}};
  return d;
}

PackedBlock packed(const EqDesign& d) {
  const ResponseGrid grid(d.points);
  const EqCalculation calc = calculateEq(d, grid);
  return packCoefficientBlock(calc.stages.data(), d.stageCount, d.globalGainDb);
}

TEST(EqCoefficientFile, FlatBlockText) {
  EqDesign d;
  d.stages = {{{1000, 0, 1}, {2000, 0, 1}, {4000, 0, 1}, {8000, 0, 1}, {16000, 0, 1}}};
  CoefficientBlock flat;
  flat.words[40] = 0x4000;
  std::ostringstream out;
  writeCoefficientText(out, flat, d);
  std::string expected;
  for (int i = 0; i < 40; ++i) expected += "0\r\n";
  expected +=
      "16384\r\n0\r\n/*\r\n16384\r\n5\r\n48000\r\n0\r\n1000\r\n2000\r\n4000\r\n8000\r\n16000\r\n"
      "0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n*/\r\n";
  EXPECT_EQ(out.str(), expected);
}

TEST(EqCoefficientFile, RoundTripKeepsWordsAndTrailer) {
  const EqDesign d = sampleDesign();
  const PackedBlock block = packed(d);
  const std::string path = tempPath("coeff.txt");
  ASSERT_EQ(writeCoefficientFile(path, block.block, d), EqFileStatus::Ok);
  const CoefficientFileRead read = readCoefficientFile(path);
  ASSERT_EQ(read.status, EqFileStatus::Ok);
  EXPECT_EQ(read.file.block, block.block);
  ASSERT_TRUE(read.file.hasTrailer);
  const EqDesign& t = read.file.trailer;
  EXPECT_EQ(t.points, 2048);
  EXPECT_EQ(t.stageCount, 4);
  EXPECT_EQ(t.sampleRate, 44100);
  EXPECT_EQ(t.globalGainDb, -1.5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(t.stages[k].frequency, d.stages[k].frequency);
    EXPECT_EQ(t.stages[k].gainDb, d.stages[k].gainDb);
    EXPECT_EQ(t.stages[k].q, d.stages[k].q);
  }
  // Loading folds the stages' normalisation into the global gain.
  const LoadedCoefficients loaded = loadCoefficients(read.file, EqDesign{});
  EXPECT_EQ(loaded.design.stageCount, 4);
  EXPECT_NEAR(loaded.design.globalGainDb,
              20 * std::log10(joinOverallGain(block.block.words[40], block.block.words[41])), 1e-12);
  std::remove(path.c_str());
}

TEST(EqCoefficientFile, FileEndingAfterTheCommentOpenerLoadsWithDefaults) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += (i == 0 ? "57344\r\n" : "0\r\n");
  text += "32768\r\n0\r\n/*\r\n";  // overall gain 2.0
  std::istringstream in(text);
  const CoefficientFileRead read = readCoefficientText(in);
  ASSERT_EQ(read.status, EqFileStatus::Ok);
  EXPECT_FALSE(read.file.hasTrailer);
  EqDesign current;
  current.sampleRate = 8000;
  current.points = 4096;
  current.stageCount = 2;
  current.stages[0].frequency = 300;
  const LoadedCoefficients loaded = loadCoefficients(read.file, current);
  EXPECT_EQ(loaded.design.sampleRate, 48000);
  EXPECT_EQ(loaded.design.points, 16384);
  EXPECT_EQ(loaded.design.stageCount, 5);
  EXPECT_EQ(loaded.design.stages[0].frequency, 300);  // the rows stay as they were
  EXPECT_NEAR(loaded.design.globalGainDb, 20 * std::log10(2.0), 1e-12);
  EXPECT_EQ(loaded.stages[0].b2, -0.5);
  EXPECT_EQ(loaded.stages[0].b0, 1.0);
  EXPECT_EQ(loaded.stages[0].gain, 1.0);
}

TEST(EqCoefficientFile, SignedWordsReadAsTheSameBits) {
  std::string text = "-8192\n0\n16384\n-1\n";
  for (int i = 4; i < 40; ++i) text += "0\n";
  text += "16384\n0\n/*\n";
  std::istringstream in(text);
  const CoefficientFileRead read = readCoefficientText(in);
  ASSERT_EQ(read.status, EqFileStatus::Ok);
  const BlockStages stages = blockStages(read.file.block);
  EXPECT_EQ(stages.stages[0].b2, -0.5);
  EXPECT_EQ(stages.stages[0].b1, 1.0 + 65535 / 1073741824.0);
}

TEST(EqCoefficientFile, RefusesWhatIsNotACoefficientFile) {
  const std::string words = [] {
    std::string w;
    for (int i = 0; i < 42; ++i) w += "0\n";
    return w;
  }();
  const std::string trailerValues = "48000\n0\n1\n2\n3\n4\n5\n0\n0\n0\n0\n0\n1\n1\n1\n1\n1\n";
  struct Case { const char* what; std::string text; } cases[] = {
      {"empty", ""},
      {"too few words", "0\n0\n/*\n"},
      {"word above 16 bits", "70000\n" + words.substr(2)},
      {"word not a number", "x\n" + words.substr(2)},
      {"no comment opener", words},
      {"trailer cut short", words + "/*\n16384\n5\n48000\n"},
      {"points beyond the grid", words + "/*\n100000\n5\n" + trailerValues + "*/\n"},
      {"stage count 9", words + "/*\n16384\n9\n" + trailerValues + "*/\n"},
      {"value not finite", words + "/*\n16384\n5\nnan\n" + trailerValues.substr(6) + "*/\n"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    EXPECT_EQ(readCoefficientText(in).status, EqFileStatus::Malformed) << c.what;
  }
  EXPECT_EQ(readCoefficientFile(tempPath("absent.txt")).status, EqFileStatus::OpenFailed);
}

// The designer reads the trailer's values and stops there; a file that carries notes or
// anything else after them loads as it always did.
TEST(EqCoefficientFile, TextAfterTheTrailerIsIgnored) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "0\r\n";
  text += "16384\r\n0\r\n/*\r\n4096\r\n2\r\n44100\r\n-1.5\r\n";
  text += "100\r\n200\r\n300\r\n400\r\n500\r\n1\r\n2\r\n3\r\n4\r\n5\r\n0.5\r\n1\r\n1\r\n1\r\n2\r\n";
  for (const char* after : {"*/\r\n7\r\n", "*/\r\nmeasured in room 2\r\n", "no closing line\r\n"}) {
    std::istringstream in(text + after);
    const CoefficientFileRead read = readCoefficientText(in);
    ASSERT_EQ(read.status, EqFileStatus::Ok) << after;
    ASSERT_TRUE(read.file.hasTrailer);
    EXPECT_EQ(read.file.trailer.points, 4096);
    EXPECT_EQ(read.file.trailer.stageCount, 2);
    EXPECT_EQ(read.file.trailer.stages[4].q, 2);
  }
}

TEST(EqResponseFile, WrittenResponseImportsBackWithoutTheWarning) {
  const EqDesign d = sampleDesign();
  const ResponseGrid grid(d.points);
  const EqCalculation calc = calculateEq(d, grid);
  const std::string path = tempPath("Response.txt");
  ASSERT_EQ(writeResponseFile(path, calc.response, d.sampleRate), EqFileStatus::Ok);

  const std::string text = test::readFile(path);
  EXPECT_EQ(text.substr(0, 66), "Add a redundant line for comment and simplicity of file process\r\n0");
  char second[128];
  std::snprintf(second, sizeof second, "\r\n%4.10f    %4.10f\r\n", 44100.0 / 4096,
                20 * std::log10(calc.response[1]));
  EXPECT_NE(text.find(second), std::string::npos);

  const ImportedResponse imported = importResponseFile(path, d.points, d.sampleRate);
  ASSERT_EQ(imported.status, EqFileStatus::Ok);
  EXPECT_FALSE(imported.resolutionWarning);
  ASSERT_EQ(imported.curve.size(), calc.response.size());
  for (std::size_t i = 0; i < calc.response.size(); ++i)
    ASSERT_NEAR(imported.curve[i] / calc.response[i], 1.0, 1e-9) << i;
  std::remove(path.c_str());
}

TEST(EqResponseFile, ImportInterpolatesAndExtrapolatesInLinearMagnitude) {
  // Grid of 4 bins at fs 8000: 0, 1000, 2000, 3000 Hz. Levels 0 dB and 20 dB (1 and 10).
  std::istringstream in("freq level\r\n500,0\r\n\r\n1500;20\r\n2000\t20\r\n2800 , 0\r\nnoise line\r\n");
  const ImportedResponse imported = importResponse(in, 4, 8000);
  ASSERT_EQ(imported.status, EqFileStatus::Ok);
  ASSERT_EQ(imported.curve.size(), 4u);
  EXPECT_NEAR(imported.curve[0], 0.0, 1e-12);   // below the data: 1 - 4.5, kept at 0
  EXPECT_NEAR(imported.curve[1], 5.5, 1e-12);   // halfway between 1 and 10
  EXPECT_NEAR(imported.curve[2], 10.0, 1e-12);
  EXPECT_NEAR(imported.curve[3], 0.0, 1e-12);   // beyond the data: 1 - 2.25, kept at 0
  EXPECT_FALSE(imported.resolutionWarning);     // 2800 >= 0.9 * 3000
}

// Response.txt writes a magnitude of exactly 0 as "-inf" dB; importing it back must give 0
// there, not skip the line and interpolate over it.
TEST(EqResponseFile, LevelOfMinusInfinityImportsAsZero) {
  std::vector<double> response{1.0, 0.0, 1.0, 1.0};
  std::ostringstream written;
  writeResponseText(written, response, 8000);
  ASSERT_NE(written.str().find("1000.0000000000    -inf\r\n"), std::string::npos);
  std::istringstream in(written.str());
  const ImportedResponse imported = importResponse(in, 4, 8000);
  ASSERT_EQ(imported.status, EqFileStatus::Ok);
  EXPECT_EQ(imported.curve, response);
}

TEST(EqResponseFile, DataEndingLowWarnsAndSurplusLinesAreIgnored) {
  std::string text = "comment\n";
  for (int i = 0; i < 10; ++i) text += std::to_string(i * 100) + " 0\n";
  std::istringstream low(text);
  const ImportedResponse lowData = importResponse(low, 4, 8000);  // data ends at 300 Hz
  EXPECT_TRUE(lowData.resolutionWarning);                         // only 4 lines taken
  EXPECT_EQ(lowData.curve, (std::vector<double>{1, 1, 1, 1}));

  std::istringstream none("comment only\n\n");
  EXPECT_EQ(importResponse(none, 4, 8000).status, EqFileStatus::NoData);
  EXPECT_EQ(importResponseFile(tempPath("absent.txt"), 4, 8000).status, EqFileStatus::OpenFailed);
}

}  // namespace
}  // namespace paramtool
