#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "paramtool/eq_presets.h"
#include "paramtool/eq_validation.h"

namespace paramtool {
namespace {

// The presets as the designer lists them, levels in dB to 4 decimals.
struct ListedPreset {
  const char* name;
  int stages;
  double globalDb;
  double gainsDb[5];
};
const ListedPreset kListed[] = {
    {"Flat", 5, 0, {0, 0, 0, 0, 0}},
    {"Boost", 3, 0, {5.7051, 2.3922, -1.0091, 0, 0}},
    {"Treble", 4, 0, {-0.1173, 0.0759, 2.2252, 5.8815, 0}},
    {"Pop", 5, -1.5144, {-0.0999, 0.7490, 4.8810, 0.7490, -0.1144}},
    {"Rock", 5, 0, {5.9199, 0.7418, -1.4162, 0.4281, 5.9965}},
    {"Classic", 3, 4.5062, {1.9596, -7.3402, 0.0543, 0, 0}},
    {"Jazz", 4, 4.0006, {-1.8510, 1.5832, -5.6912, 0.0300, 0}},
    {"Dance", 4, 0, {6.2495, -2.5948, 4.5231, -0.1591, 0}},
    {"R&B", 5, 0, {5.0788, -5.0393, 0.0621, 0.8375, 0.5505}},
};

double to4(double db) { return std::round(db * 10000.0) / 10000.0; }

TEST(EqPresets, StoredFactorsGiveTheListedLevels) {
  ASSERT_EQ(std::size(kListed), kEqPresets.size());
  for (std::size_t p = 0; p < kEqPresets.size(); ++p) {
    const ListedPreset& listed = kListed[p];
    const EqDesign d = presetDesign(kEqPresets[p]);
    EXPECT_EQ(std::string(kEqPresets[p].name), listed.name);
    EXPECT_EQ(d.stageCount, listed.stages) << listed.name;
    EXPECT_EQ(d.sampleRate, 48000);
    EXPECT_EQ(d.points, 16384);
    EXPECT_EQ(to4(d.globalGainDb), listed.globalDb) << listed.name;
    for (int k = 0; k < 5; ++k) EXPECT_EQ(to4(d.stages[k].gainDb), listed.gainsDb[k]) << listed.name << " row " << k + 1;
    EXPECT_FALSE(validateEqDesign(d).has_value()) << listed.name;
  }
}

TEST(EqPresets, ZeroDecibelRowsAreExactlyFlat) {
  // A stored factor of 1 must come back as exactly 0 dB, so that the stage is flat and packed last.
  const EqDesign boost = presetDesign(kEqPresets[1]);
  EXPECT_EQ(boost.stages[3].gainDb, 0.0);
  EXPECT_EQ(std::pow(10.0, boost.stages[3].gainDb / 20.0), 1.0);
}

TEST(EqPresets, MemorySlotsStartEqual) {
  const EqMemory memory = initialEqMemory();
  for (const EqMemorySlot& slot : memory) {
    EXPECT_EQ(slot.design.points, 16384);
    EXPECT_EQ(slot.design.stageCount, 1);
    EXPECT_EQ(slot.iterations, 20);
    EXPECT_EQ(slot.design.sampleRate, 48000);
    EXPECT_EQ(slot.design.stages[4].frequency, 16000);
    EXPECT_FALSE(validateEqDesign(slot.design).has_value());
  }
}

TEST(EqValidation, RefusesValuesOutsideTheFieldRanges) {
  struct Case { const char* what; void (*change)(EqDesign&); const EqFieldRange* range; int stage; };
  const Case cases[] = {
      {"Q of 0", [](EqDesign& d) { d.stages[2].q = 0; }, &eq_range::kQ, 3},
      {"negative Q", [](EqDesign& d) { d.stages[0].q = -1; }, &eq_range::kQ, 1},
      {"frequency 0", [](EqDesign& d) { d.stages[4].frequency = 0; }, &eq_range::kFrequency, 5},
      {"gain NaN", [](EqDesign& d) { d.stages[1].gainDb = std::nan(""); }, &eq_range::kGainDb, 2},
      {"gain 20.5", [](EqDesign& d) { d.stages[1].gainDb = 20.5; }, &eq_range::kGainDb, 2},
      {"global 41", [](EqDesign& d) { d.globalGainDb = 41; }, &eq_range::kGlobalGainDb, 0},
      {"rate 0", [](EqDesign& d) { d.sampleRate = 0; }, &eq_range::kSampleRate, 0},
      {"points 2047", [](EqDesign& d) { d.points = 2047; }, &eq_range::kPoints, 0},
  };
  for (const Case& c : cases) {
    EqDesign d = presetDesign(kEqPresets[0]);
    c.change(d);
    const auto violation = validateEqDesign(d);
    ASSERT_TRUE(violation.has_value()) << c.what;
    EXPECT_EQ(violation->range, c.range) << c.what;
    EXPECT_EQ(violation->stage, c.stage) << c.what;
  }
  EqDesign smallest = presetDesign(kEqPresets[0]);
  smallest.stages[0].q = 1e-6;
  EXPECT_FALSE(validateEqDesign(smallest).has_value());
}

TEST(EqValidation, RangeMessagesCarryTheLimits) {
  EXPECT_EQ(rangeMessage(eq_range::kQ), "請輸入介於 0 和 1000 之間的數字。");
  EXPECT_EQ(rangeMessage(eq_range::kPoints), "請輸入介於 2048 和 16384 之間的整數。");
}

}  // namespace
}  // namespace paramtool
