#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "paramtool/builtin_blocks.h"
#include "paramtool/editor/audio_page.h"
#include "paramtool/editor/i2s_pcm_page.h"

namespace paramtool::editor {
namespace {

class AudioPages : public ::testing::Test {
 protected:
  AudioPages() {
    set.newDocument();
    audio.showDefaults();
    i2s.showDefaults();
  }
  std::vector<std::string> effectItems() const { return audio.soundEffect.defaultEffect.items; }
  ParameterSet set;
  test::FakeDesigner designer;
  test::RecordingReporter reporter;
  AudioPage audio{set, designer, reporter};
  I2sPcmPage i2s{set};
};

TEST_F(AudioPages, LineInCodesAndTheirPositions) {
  EXPECT_EQ(audio.lineIn.silence.position, 10);
  EXPECT_EQ(audio.lineIn.adcGain.position, 3);
  const struct {
    int adcPosition;
    int adcCode;
    int silencePosition;
    int silenceByte;
  } cases[] = {{0, 0x00, 0, 0x00}, {3, 0x09, 10, 0x14}, {7, 0x15, 15, 0x1E}, {8, 0x23, 16, 0x20}, {16, 0x3B, 16, 0x20}};
  for (const auto& c : cases) {
    audio.lineIn.adcGain.show(c.adcPosition);
    audio.lineIn.silence.show(c.silencePosition);
    audio.lineIn.collect();
    EXPECT_EQ(set.value(0x345), c.adcCode);
    EXPECT_EQ(set.value(0x33B), c.silenceByte);
    audio.lineIn.adcGain.show(kNoSelection);
    audio.lineIn.refresh();
    EXPECT_EQ(audio.lineIn.adcGain.position, c.adcPosition);
    EXPECT_EQ(audio.lineIn.silence.position, c.silencePosition);  // 0x20 loads as "off"
  }
  audio.lineIn.maxLevel.show(0x0C);
  audio.lineIn.minLevel.show(0x03);
  audio.lineIn.collect();
  EXPECT_EQ(set.value(0x1F6), 0xC3);
}

TEST_F(AudioPages, DefaultEffectListFollowsTheMaskChecks) {
  EXPECT_EQ(effectItems(), (std::vector<std::string>{"All Off"}));
  EXPECT_FALSE(audio.soundEffect.mask[kEffectMbdrc].enabled);
  EXPECT_TRUE(audio.soundEffect.mask[kEffectAllOff].enabled);

  SoundEffectPage& fx = audio.soundEffect;
  fx.toggleMbdrc(true);
  fx.toggleWidening(true);
  EXPECT_TRUE(fx.mask[kEffectAllOn].enabled);
  fx.clickMask(kEffectAllOff, false);
  fx.clickMask(kEffectMbdrc, true);
  fx.clickMask(kEffectWidening, true);
  EXPECT_EQ(effectItems(), (std::vector<std::string>{"MBDRC On", "AW On"}));
  fx.chooseDefaultEffect(1);
  fx.collect();
  EXPECT_EQ(set.value(0x1DB), 3);
  EXPECT_EQ(set.value(0x1D1), 0x0A);
  EXPECT_EQ(set.value(0x1E0) & 0x80, 0x80);
  EXPECT_EQ(set.value(0x1EC) & 0x60, 0x40);

  fx.clickMask(kEffectAllOn, true);
  fx.toggleMbdrc(false);  // clears "MB-DRC on" and "All On"
  EXPECT_FALSE(fx.mask[kEffectMbdrc].checked);
  EXPECT_FALSE(fx.mask[kEffectAllOn].checked);
  EXPECT_FALSE(fx.mask[kEffectAllOn].enabled);
  EXPECT_FALSE(fx.mbdrcGroupEnabled);
  EXPECT_EQ(effectItems(), (std::vector<std::string>{"AW On"}));

  // Refresh rebuilds the checks and the list from the stored mask and default effect.
  fx.collect();
  fx.showDefaults();
  fx.refresh();
  EXPECT_FALSE(fx.mbdrc.checked);
  EXPECT_TRUE(fx.widening.checked);
  EXPECT_EQ(effectItems(), (std::vector<std::string>{"AW On"}));
  EXPECT_EQ(fx.defaultEffect.position, 0);
}

TEST_F(AudioPages, SoundEffectFieldsBassAndWidening) {
  SoundEffectPage& fx = audio.soundEffect;
  set.set(0x335, 0xC5);
  fx.bassLevel.show(0);
  fx.wideningLevel.show(3);
  fx.knee.high.show(3);
  fx.makeUp.high.show(11);
  fx.release.high.show(2);
  fx.collect();
  EXPECT_EQ(set.value(0x350) & 0x40, 0);  // bass level 0: enhancement off, 0x335 unchanged
  EXPECT_EQ(set.value(0x335), 0xC5);
  EXPECT_EQ(set.value(0x354), 62);
  EXPECT_EQ(set.value(0x34F), 0xB0);  // cut-off 2 in bits 6-7, knee high 3
  EXPECT_EQ(set.value(0x352), 0x0B);
  EXPECT_EQ(set.value(0x355), 0x95);
  EXPECT_EQ(set.value(0x353), 0x8F);

  fx.bassLevel.show(6);
  fx.collect();
  EXPECT_EQ(set.value(0x350) & 0x40, 0x40);
  EXPECT_EQ(set.value(0x335), 0xC6);

  fx.showDefaults();
  fx.refresh();
  EXPECT_EQ(fx.wideningLevel.position, 3);
  EXPECT_EQ(fx.bassLevel.position, 6);
  EXPECT_EQ(fx.knee.high.position, 3);
  EXPECT_EQ(fx.makeUp.high.position, 11);
  EXPECT_EQ(fx.release.high.position, 2);
}

TEST_F(AudioPages, ValuesAListCannotShowSurviveASave) {
  set.set(0x351, 0xFD);  // make-up gains 13 and 15: the lists stop at 11 dB
  set.set(0x1E7, 0x0E);  // no such preset
  audio.eq.toggleEqualiser(true);
  audio.refresh();
  EXPECT_EQ(audio.soundEffect.makeUp.low.position, kNoSelection);
  EXPECT_EQ(audio.eq.initialPreset.position, kNoSelection);
  audio.eq.toggleEqualiser(true);
  audio.collect();
  EXPECT_EQ(set.value(0x351), 0xFD);
  EXPECT_EQ(set.value(0x1E7), 0x0E);
}

TEST_F(AudioPages, AudioEqualiserMaskPresetAndCustomEq2) {
  AudioEqPage& eq = audio.eq;
  EXPECT_EQ(eq.initialPreset.position, 10);
  EXPECT_FALSE(eq.initialPreset.enabled);
  set.set16(0x1E8, 0x0123);
  eq.collect();  // off: preset 0, mask unchanged
  EXPECT_EQ(set.value(0x1E7), 0);
  EXPECT_EQ(set.value16(0x1E8), 0x0123);
  EXPECT_EQ(set.value(0x1E0) & 0x20, 0);

  eq.toggleEqualiser(true);
  eq.initialPreset.show(4);
  eq.presetMask.fill(false);
  eq.presetMask[4] = eq.presetMask[10] = true;
  eq.collect();
  EXPECT_EQ(set.value(0x1E7), 4);
  EXPECT_EQ(set.value16(0x1E8), 0x0410);
  EXPECT_EQ(set.value(0x1E0) & 0x20, 0x20);
  EXPECT_EQ(set.value(0x1EC) & 0x08, 0x08);

  designer.result = test::filledBlock(0x0C0C);
  eq.customEq2();
  EXPECT_EQ(designer.requests.back().outputPath, ".\\CustomEQ2_Audio.txt");
  EXPECT_EQ(designer.requests.back().sampleRate, 48000);
  EXPECT_EQ(designer.requests.back().frequencies[2], 5000);
  EXPECT_TRUE(designer.requests.back().decodeOnOpen);
  EXPECT_EQ(designer.buffersOnOpen.back(), kFlatBlock);  // slot 0 as ShowDefaults left it
  CoefficientBlock slot0;
  set.readBlock(kAudioCustomEqSlot, slot0);
  EXPECT_EQ(slot0, test::filledBlock(0x0C0C));
  EXPECT_FALSE(set.exchange().resultReady);
}

TEST_F(AudioPages, AudioCollectClearsItsSummaryBitAndTheThreeBytes) {
  set.set(0x1EC, 0xFF);
  audio.collect();
  EXPECT_EQ(set.value(0x1EC) & 0x20, 0);
  for (int a : {0x2F5, 0x2F6, 0x2F7}) EXPECT_EQ(set.value(a), 0) << a;
}

TEST_F(AudioPages, I2sRegisterSetsAndTheDefaultVariant) {
  const I2sRegisters def = i2sRegisterSet(i2s.index());
  EXPECT_EQ(i2s.index(), 10);
  EXPECT_EQ((std::vector<int>{def[6], def[7], def[18]}), (std::vector<int>{0xEB, 0x1F, 0x08}));
  EXPECT_EQ((std::vector<int>{def[46], def[47], def[58]}), (std::vector<int>{0xEB, 0x5F, 0x08}));
  EXPECT_EQ(def[78], 0x08);
  EXPECT_EQ(def[5], 0x45);
  EXPECT_EQ(def[120], 0x12);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(def[static_cast<std::size_t>(144 + i)], def[static_cast<std::size_t>(40 + i)]) << i;

  const I2sRegisters slave = i2sRegisterSet(i2sRegisterIndex(1, 0, 0, 0));
  for (int g = 0; g < 6; ++g) EXPECT_EQ(slave[static_cast<std::size_t>(20 * g + 7)], 0x1F) << g;
  EXPECT_EQ(slave[78], 0x10);
  EXPECT_EQ(slave[6], 0x80);
  EXPECT_EQ(i2sRegisterSet(i2sRegisterIndex(0, 0, 1, 0))[0], 2);
}

TEST_F(AudioPages, I2sCollectWritesTheSegmentAndRefreshSelectsTheSameLists) {
  const struct {
    int mode, bitWidth, adc, rfs;
  } cases[] = {{0, 1, 0, 1}, {1, 0, 0, 0}, {1, 1, 1, 1}, {0, 0, 1, 0}};
  set.setCoeffEnd(0x9B6);
  for (const auto& c : cases) {
    i2s.mode.show(c.mode);
    i2s.bitWidth.show(c.bitWidth);
    i2s.adc.show(c.adc);
    i2s.rfs.show(c.rfs);
    i2s.collect();
    EXPECT_EQ(set.value(0x344), c.mode ? 0x10 : 0x00);
    EXPECT_FALSE(set.isPresent(0x1300));
    EXPECT_EQ(set.table().bytes[0x9B6], 0xD2);
    i2s.showDefaults();
    i2s.refresh();
    EXPECT_EQ((std::vector<int>{i2s.mode.position, i2s.bitWidth.position, i2s.adc.position, i2s.rfs.position}),
              (std::vector<int>{c.mode, c.bitWidth, c.adc, c.rfs}));
  }
}

}  // namespace
}  // namespace paramtool::editor
