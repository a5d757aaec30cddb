#include <gtest/gtest.h>

#include "paramtool/editor/gain_level_editor.h"
#include "test_support.h"

namespace paramtool::editor {
namespace {

using Map = GainLevelMap;

class GainLevels : public ::testing::Test {
 protected:
  GainLevels() { voice.showDefaults(); }
  ParameterSet set;
  test::RecordingReporter reporter;
  GainLevelEditor voice{set, kVoiceGainLevels, reporter};
  GainLevelEditor audio{set, kAudioGainLevels, reporter};
};

TEST_F(GainLevels, RaiseAndLowerKeepTheLevelsRising) {
  const Map reset = kGainLevelResetMap;
  const struct {
    const char* name;
    int count;  // level-count position: 0 = 16 levels, 1 = 12
    Map start;
    bool raise;
    int level;
    Map expected;
  } cases[] = {
      {"raise 3: levels 3-6 move up to the first gap", 0, reset, true, 3,
       {0, 9, 10, 12, 13, 14, 15, 17, 20, 23, 26, 29, 32, 35, 36, 37}},
      {"raise the top of 12 levels: 11-15 follow", 1, {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 37, 37, 37, 37, 37},
       true, 11, {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 38, 38, 38, 38, 38}},
      {"raise a chain that reaches entry 40 at the top", 0,
       {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}, true, 3,
       {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}},
      {"raise the top at entry 40", 0, {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 40}, true, 15,
       {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 40}},
      {"lower 0 at entry 0", 0, reset, false, 0, reset},
      {"lower 2: 1-2 move down to the gap below", 0, reset, false, 2,
       {0, 8, 9, 11, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37}},
      {"lower a chain down to entry 0", 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, false, 5,
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      {"lower the top of 12 levels: 11-15 follow", 1, {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 37, 37, 37, 37, 37},
       false, 11, {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 36, 36, 36, 36, 36}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    voice.chooseLevelCount(c.count);
    set.voiceGainMap() = c.start;
    c.raise ? voice.raise(c.level) : voice.lower(c.level);
    EXPECT_EQ(voice.map(), c.expected);
  }
}

TEST_F(GainLevels, CountChangeResetsTheMapAndLimitsTheDefaultLevel) {
  voice.chooseDefaultLevel(15);
  voice.chooseLevelCount(1);  // 12 levels
  EXPECT_EQ(voice.top(), 11);
  EXPECT_EQ(voice.map(), (Map{0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 37, 37, 37, 37, 37}));
  EXPECT_EQ(voice.defaultLevel.position, 12);
  EXPECT_TRUE(voice.cellEnabled(11));
  EXPECT_FALSE(voice.cellEnabled(12));

  // On the voice page the default level is limited when it is chosen, on the audio page not.
  voice.chooseDefaultLevel(15);
  EXPECT_EQ(voice.defaultLevel.position, 12);
  audio.showDefaults();
  audio.chooseLevelCount(3);  // 8 levels
  audio.chooseDefaultLevel(15);
  EXPECT_EQ(audio.defaultLevel.position, 15);
}

TEST_F(GainLevels, CustomToggleSwitchesTheCellsAndFillsAboveTheTop) {
  voice.chooseLevelCount(2);  // 10 levels
  voice.toggleCustom(false);
  EXPECT_FALSE(voice.levelCount.enabled);
  EXPECT_FALSE(voice.cellEnabled(0));
  EXPECT_FALSE(voice.cellEnabled(9));
  EXPECT_EQ(voice.map()[9], 40);  // the voice page writes entry 40 above the top
  voice.toggleCustom(true);
  EXPECT_TRUE(voice.cellEnabled(9));
  EXPECT_FALSE(voice.cellEnabled(10));

  audio.chooseLevelCount(2);
  audio.chooseDefaultLevel(14);
  audio.toggleCustom(false);
  EXPECT_EQ(audio.map()[9], 37);
  EXPECT_EQ(audio.defaultLevel.position, 10);  // the audio page limits it on the toggle
}

TEST_F(GainLevels, RefreshRebuildsTheTableOrFallsBack) {
  const struct {
    const char* name;
    std::vector<int> entries;  // -1: a value not in the gain table; -2: the record is absent
    bool custom;
    int countPosition;
    bool message;
  } cases[] = {
      {"8 levels", {0, 9, 10, 11, 12, 13, 14, 17, 17, 17, 17, 17, 17, 17, 17, 17}, true, 3, false},
      {"12 levels", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 11, 11, 11}, true, 1, false},
      {"16 rising levels", {0, 9, 10, 11, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37}, true, 0, false},
      {"a value not in the gain table", {0, 9, 10, -1, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37}, false, 0, true},
      {"a falling level", {0, 9, 10, 8, 12, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37}, false, 0, true},
      {"a rise after the run", {0, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 12}, false, 0, true},
      {"an absent level falls back silently", {0, 9, 10, 11, -2, 13, 14, 17, 20, 23, 26, 29, 32, 35, 36, 37}, false, 0,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reporter.messages.clear();
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
      const int record = kVoiceGainLevels.levelBase + static_cast<int>(i);
      const int e = c.entries[i];
      set.set(record, e >= 0 ? kSpeakerGainTable[static_cast<std::size_t>(e)].value : 0x13);
      if (e == -2) set.setPresent(record, false);
    }
    voice.refresh();
    EXPECT_EQ(voice.custom.checked, c.custom);
    EXPECT_EQ(voice.levelCount.position, c.countPosition);
    EXPECT_EQ(voice.levelCount.enabled, c.custom);
    EXPECT_EQ(reporter.messages, c.message ? std::vector<std::string>{"Cannot import voice gain table!"}
                                           : std::vector<std::string>{});
    if (!c.custom) {
      EXPECT_EQ(voice.map(), (Map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    }
  }
  EXPECT_EQ(reporter.icons.back(), MessageIcon::kInformation);
}

TEST_F(GainLevels, CollectWritesGainBytesOrAbsentLevelsAndTheDefaultNibble) {
  set.set(0x0C6, 0xCC);
  voice.chooseDefaultLevel(3);
  voice.collect();
  EXPECT_EQ(set.value(0x18D), 0x00);
  EXPECT_EQ(set.value(0x18D + 15), 0xFC);  // entry 37, 0 dB
  EXPECT_EQ(set.value(0x0C6), 0x3C);

  audio.showDefaults();
  audio.toggleCustom(false);
  audio.chooseDefaultLevel(5);
  audio.collect();
  for (int i = 0; i < 16; ++i) EXPECT_FALSE(set.isPresent(0x17D + i)) << i;
  EXPECT_EQ(set.value(0x0C6), 0x35);
  EXPECT_TRUE(set.isPresent(0x0C6));
}

}  // namespace
}  // namespace paramtool::editor
