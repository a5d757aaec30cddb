#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "paramtool/builtin_blocks.h"
#include "paramtool/editor/voice_page.h"

namespace paramtool::editor {
namespace {

class VoicePages : public ::testing::Test {
 protected:
  VoicePages() {
    set.newDocument();
    voice.showDefaults();
  }
  CoefficientBlock slot(int s) {
    CoefficientBlock block = test::filledBlock(0x7777);
    set.readBlock(s, block);
    return block;
  }
  ParameterSet set;
  test::FakeDesigner designer;
  test::RecordingReporter reporter;
  VoicePage voice{set, designer, reporter};
};

TEST_F(VoicePages, NoiseReductionLevelsShowByTheirFirstByte) {
  EXPECT_EQ(voice.nr.speaker.position, 4);
  EXPECT_EQ(voice.nr.mic.position, 5);  // 0x10: "18dB Noise Suppression", not the "-- Default" item
  const struct {
    int firstByte;
    int position;
  } cases[] = {{127, 0}, {65, 0}, {64, 1}, {49, 1}, {48, 2}, {33, 2}, {32, 3}, {22, 4},
               {17, 4}, {16, 5}, {12, 5}, {11, 6}, {8, 7}, {6, 8}, {5, 8}, {4, 9}, {0, 9}};
  for (const auto& c : cases) EXPECT_EQ(nrPositionOf(c.firstByte), c.position) << c.firstByte;

  voice.nr.speaker.show(3);
  set.set(0x325, 200);  // no position: the list stays where it was
  voice.nr.refresh();
  EXPECT_EQ(voice.nr.speaker.position, 3);
  set.set(0x1DF, set.value(0x1DF) & ~0x04);
  voice.nr.refresh();
  EXPECT_EQ(voice.nr.speaker.position, 0);  // speaker NR off
  EXPECT_FALSE(voice.nr.distance.enabled);
}

TEST_F(VoicePages, NoiseReductionCollectSetsTheFeatureBits) {
  voice.nr.speaker.show(0);
  voice.nr.mic.show(0);
  voice.nr.collect();
  EXPECT_EQ(set.value(0x1DF) & 0x06, 0);
  EXPECT_EQ(set.value(0x1E1), 0x00);
  EXPECT_EQ(set.value(0x325), 127);

  set.set(0x301, 0x00);
  voice.nr.mic.show(2);
  voice.nr.stepSize.show(7);
  voice.nr.collect();
  EXPECT_EQ(set.value(0x1DF) & 0x06, 0x02);
  EXPECT_EQ(set.value(0x301), 0x40);
  EXPECT_EQ(set.value(0x1E1), 0x11);
  EXPECT_EQ(set.value(0x327), 45);
  EXPECT_EQ(set.value(0x328), 64);
  EXPECT_EQ(set.value(0x331), 0xA1);
  EXPECT_EQ(set.value(0x302) & 0x08, 0x08);
  EXPECT_EQ(set.value(0x1EC) & 0x01, 0x01);
}

TEST_F(VoicePages, ASecondSaveWithAnotherMicDistanceLoadsBackAsThatDistance) {
  set.set(0x32B, 0x05);  // the low nibbles are kept
  set.set(0x32C, 0x0A);
  for (int distance : {5, 1, 9, 0, 8}) {
    voice.nr.distance.show(distance);
    voice.nr.collect();
    voice.nr.distance.show(3);
    voice.nr.refresh();
    EXPECT_EQ(voice.nr.distance.position, distance);
  }
  EXPECT_EQ(set.value(0x32B), 0x15);
  EXPECT_EQ(set.value(0x32C), 0x8A);
}

// After a Load the step-size list is disabled; it used to keep the position it had, so the
// next Save replaced the loaded step size with a value nobody chose.
TEST_F(VoicePages, LoadThenSaveKeepsTheDualMicStepSize) {
  for (int stored : {0x35, 0x71, 0xA5}) {
    voice.nr.stepSize.show(4);
    set.set(0x331, stored);
    voice.nr.refresh();
    EXPECT_FALSE(voice.nr.stepSize.enabled);
    voice.nr.collect();
    EXPECT_EQ(set.value(0x331), stored);
  }
  set.set(0x331, 0xB1);  // 11 is no step size: the list stays where it was
  voice.nr.stepSize.show(2);
  voice.nr.refresh();
  EXPECT_EQ(voice.nr.stepSize.position, 2);
}

TEST_F(VoicePages, MicGainsAndComfortNoise) {
  EXPECT_EQ(voice.mic.codecGain.position, 5);      // 0xAA
  EXPECT_EQ(voice.mic.digitalGain.position, 14);   // "0x1D:  10dB"
  EXPECT_EQ(voice.mic.comfortNoise.position, 13);  // 0x0004
  const struct {
    int position;
    int stored;
  } digital[] = {{0, 0x00}, {5, 0x0B}, {6, 0x0D}, {19, 0x27}};
  for (const auto& c : digital) {
    voice.mic.digitalGain.show(c.position);
    voice.mic.collect();
    EXPECT_EQ(set.value(0x30F), c.stored);
    voice.mic.digitalGain.show(kNoSelection);
    voice.mic.refresh();
    EXPECT_EQ(voice.mic.digitalGain.position, c.position);
  }
  voice.mic.codecGain.show(15);
  voice.mic.comfortNoise.show(0);
  voice.mic.collect();
  EXPECT_EQ(set.value(0x0C5), 0x00);
  EXPECT_EQ(set.value16(0x306), 0x8000);
  set.set16(0x306, 0x0003);  // between two levels: the next lower one
  voice.mic.refresh();
  EXPECT_EQ(voice.mic.comfortNoise.position, 14);
  set.set16(0x306, 0);
  voice.mic.refresh();
  EXPECT_EQ(voice.mic.comfortNoise.position, kNoSelection);
  voice.mic.collect();  // no selection: the level stays 0
  EXPECT_EQ(set.value16(0x306), 0);
}

TEST_F(VoicePages, ThresholdListsShowTheLastValueNotBelowTheStoredOne) {
  const struct {
    int stored;
    int linear;
    int doubleTalk;
  } cases[] = {{0x7F, 0, 0}, {0x40, 0, 6}, {0x50, 0, 4}, {0x3F, 1, 6}, {0x03, 5, 13}, {0x01, 5, 13}, {0x80, kNoSelection, kNoSelection}};
  for (const auto& c : cases) {
    EXPECT_EQ(positionForValue(kLinearThresholdValues, c.stored), c.linear) << c.stored;
    EXPECT_EQ(positionForValue(kDoubleTalkValues, c.stored), c.doubleTalk) << c.stored;
  }
  EXPECT_EQ(voice.aecAes.linearMsbc.position, 0);  // default 0x40 shows as "0x7F"
  EXPECT_EQ(voice.aecAes.doubleTalkCvsd.position, 4);
  EXPECT_EQ(voice.aecAes.stepSize.position, 1);
  EXPECT_EQ(voice.aecAes.suppressionMsbc.position, 3);
}

TEST_F(VoicePages, AecModeFollowsTheSpeakerEqualiserOfTheSameSave) {
  ASSERT_TRUE(voice.aecAes.aec.checked);
  voice.eq.chooseSpeaker(kSpeakerEqAecShaping);
  voice.collect();
  EXPECT_EQ(set.value(0x1E2), 5);
  voice.eq.chooseSpeaker(kSpeakerEqOff);
  voice.collect();
  EXPECT_EQ(set.value(0x1E2), 1);
  voice.aecAes.toggleAec(false);
  EXPECT_FALSE(voice.aecAes.tapLength.enabled);
  voice.collect();
  EXPECT_EQ(set.value(0x1E2), 0);
  EXPECT_EQ(set.value(0x1DF) & 0x01, 0);
  EXPECT_EQ(set.value(0x1EC) & 0x10, 0);
  EXPECT_TRUE(set.table().present(0x355));
}

TEST_F(VoicePages, EqualiserCodesBlocksAndSegmentBookkeeping) {
  set.workingCopies().mic8k = test::filledBlock(0x1111);
  set.workingCopies().mic16k = test::filledBlock(0x3333);
  set.workingCopies().speaker16k = test::filledBlock(0x4444);
  voice.eq.chooseSpeaker(kSpeakerEqCustom);
  voice.eq.chooseMic(1);
  voice.eq.collect();
  EXPECT_EQ(set.value(0x357), 0x0C);
  EXPECT_EQ(set.value(0x359), 0x0E);
  EXPECT_EQ(set.value(0x356), 0x0B);
  EXPECT_EQ(set.value(0x358), 0x0D);
  EXPECT_EQ(set.value(0x1DF) & 0x60, 0x60);
  EXPECT_EQ(set.value(0x1E6) & 0x60, 0x60);
  EXPECT_EQ(set.value(0x1EC) & 0x08, 0x08);
  EXPECT_EQ(set.value16(0x036), 0x0812);
  EXPECT_EQ(set.value16(0x038), 0x01A4);
  EXPECT_EQ(slot(kVoiceMic8kSlot), test::filledBlock(0x1111));
  EXPECT_EQ(slot(kVoiceMic16kSlot), test::filledBlock(0x3333));
  EXPECT_EQ(slot(kVoiceSpeaker16kSlot), test::filledBlock(0x4444));
  EXPECT_EQ(set.coeffEnd(), 0x9B6);
  EXPECT_EQ(set.i2sEnd(), 0x9B6);
  EXPECT_TRUE(set.segmentFlags() & ParameterSet::kEqSegmentInUse);

  // Both off: no block is written and the directory will list the I2S/PCM segment.
  set.workingCopies().mic8k = test::filledBlock(0x2222);
  voice.eq.chooseSpeaker(kSpeakerEqOff);
  voice.eq.chooseMic(0);
  voice.eq.collect();
  EXPECT_EQ(slot(kVoiceMic8kSlot), test::filledBlock(0x1111));
  EXPECT_EQ(set.value(0x1DF) & 0x60, 0);
  EXPECT_EQ(set.coeffEnd(), 0x9B6);
  EXPECT_EQ(set.i2sEnd(), set.directoryAt());
  EXPECT_FALSE(set.segmentFlags() & ParameterSet::kEqSegmentInUse);
}

TEST_F(VoicePages, EqualiserRefreshReadsTheSelectionsAndTheWorkingCopies) {
  set.workingCopies().speaker16k = test::filledBlock(0x4444);
  set.workingCopies().mic8k = test::filledBlock(0x1111);
  voice.eq.chooseSpeaker(kSpeakerEqAecShaping);
  voice.eq.chooseMic(1);
  voice.eq.collect();
  set.workingCopies() = VoiceWorkingCopies{kFlatBlock, kFlatBlock, kFlatBlock};
  voice.eq.speaker.show(0);
  voice.eq.mic.show(0);
  voice.eq.refresh();
  EXPECT_EQ(voice.eq.speaker.position, kSpeakerEqAecShaping);
  EXPECT_EQ(voice.eq.mic.position, 1);
  EXPECT_EQ(set.workingCopies().speaker16k, kAecShapingBlock16k);  // shaping replaces the copy on save
  EXPECT_EQ(set.workingCopies().mic8k, test::filledBlock(0x1111));
}

TEST_F(VoicePages, DesignerButtonsOpenThePresetsAndStoreTheResult) {
  designer.result = test::filledBlock(0x0BEE);
  set.writeBlock(kAudioCustomEqSlot, test::filledBlock(0x0A0A));
  const struct {
    const char* name;
    int speaker;
    void (VoiceEqPage::*press)();
    const char* path;
    double rate;
    double firstFrequency;
    double firstGain;
    CoefficientBlock onOpen;
    bool decode;
    CoefficientBlock VoiceWorkingCopies::*resultCopy;  // nullptr: the result goes to slot 2
  } cases[] = {
      {"SPK", kSpeakerEqCustom, &VoiceEqPage::customEqSpeaker, ".\\CustomEQ_Voice_SPK.txt", 8000, 100, 0,
       test::filledBlock(0x0A0A), true, nullptr},
      {"SPK with AEC shaping", kSpeakerEqAecShaping, &VoiceEqPage::customEqSpeaker, ".\\CustomEQ_Voice_SPK.txt", 8000,
       200, -4, kAecShapingBlock8k, true, nullptr},
      {"MIC", kSpeakerEqOff, &VoiceEqPage::customEqMic, ".\\CustomEQ_Voice_MIC.txt", 8000, 100, 0, kFlatBlock, true,
       &VoiceWorkingCopies::mic8k},
      {"SPK mSBC", kSpeakerEqCustom, &VoiceEqPage::customEqSpeakerMsbc, ".CustomEQ_Voice_SPK_msbc.txt", 16000, 100, 0,
       kFlatBlock, true, &VoiceWorkingCopies::speaker16k},
      {"SPK mSBC with AEC shaping", kSpeakerEqAecShaping, &VoiceEqPage::customEqSpeakerMsbc,
       ".CustomEQ_Voice_SPK_msbc.txt", 16000, 200, -6, kAecShapingBlock16k, true, &VoiceWorkingCopies::speaker16k},
      {"MIC mSBC", kSpeakerEqOff, &VoiceEqPage::customEqMicMsbc, ".\\CustomEQ_Voice_MIC_msbc.txt", 16000, 100, 0,
       kFlatBlock, true, &VoiceWorkingCopies::mic16k},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    set.workingCopies() = VoiceWorkingCopies{kFlatBlock, kFlatBlock, kFlatBlock};
    voice.eq.chooseSpeaker(c.speaker);
    (voice.eq.*c.press)();
    const DesignerRequest& r = designer.requests.back();
    EXPECT_EQ(r.outputPath, c.path);
    EXPECT_EQ(r.sampleRate, c.rate);
    EXPECT_EQ(r.frequencies[0], c.firstFrequency);
    EXPECT_EQ(r.gainsDb[0], c.firstGain);
    EXPECT_EQ(r.decodeOnOpen, c.decode);
    EXPECT_EQ(designer.buffersOnOpen.back(), c.onOpen);
    EXPECT_FALSE(set.exchange().resultReady);
    EXPECT_EQ(c.resultCopy ? set.workingCopies().*c.resultCopy : slot(kVoiceSpeaker8kSlot), test::filledBlock(0x0BEE));
  }

  // Without a result nothing is stored.
  designer.result.reset();
  set.workingCopies().mic8k = kFlatBlock;
  voice.eq.customEqMic();
  EXPECT_EQ(set.workingCopies().mic8k, kFlatBlock);
}

TEST_F(VoicePages, BlockDiagramAndTabsShowTheSamePage) {
  BlockDiagramTabs& tabs = voice.tabs;
  EXPECT_EQ(tabs.shownPage(), 0);
  tabs.clickBlock(6);  // the MIC block of the lower row
  EXPECT_EQ(tabs.shownPage(), 4);
  EXPECT_EQ(tabs.highlightedBlock(), 6);
  tabs.clickTab(2);
  EXPECT_EQ(tabs.highlightedBlock(), 2);
  tabs.clickBlock(9);
  EXPECT_EQ(tabs.shownPage(), 2);
  EXPECT_EQ(tabs.highlightedBlock(), 9);
}

}  // namespace
}  // namespace paramtool::editor
