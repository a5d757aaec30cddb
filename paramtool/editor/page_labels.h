#pragma once
// The item texts of the DSP editor's lists, in list order (position 0 first).

#include <array>

namespace paramtool::editor {

// Voice Filter: speaker and MIC high-pass lists
extern const std::array<const char*, 7> kVoiceFilterLabels;
// Voice NR
extern const std::array<const char*, 10> kSpeakerNrLabels;
extern const std::array<const char*, 10> kMicNrLabels;
extern const std::array<const char*, 16> kDualMicNrLabels;
extern const std::array<const char*, 10> kMicDistanceLabels;
extern const std::array<const char*, 8> kDualMicStepSizeLabels;
// Voice EQ
extern const std::array<const char*, 3> kVoiceSpeakerEqLabels;
extern const std::array<const char*, 2> kVoiceMicEqLabels;
// Voice MIC (the codec list shows kMicCodecGainTable)
extern const std::array<const char*, 20> kDigitalMicGainLabels;
extern const std::array<const char*, 16> kComfortNoiseLabels;
// Voice AEC/AES
extern const std::array<const char*, 6> kAecStepSizeLabels;
extern const std::array<const char*, 11> kAecTapLengthLabels;
extern const std::array<const char*, 6> kLinearThresholdCvsdLabels;
extern const std::array<const char*, 6> kLinearThresholdMsbcLabels;
extern const std::array<const char*, 16> kAesCvsdLabels;
extern const std::array<const char*, 16> kAesMsbcLabels;
extern const std::array<const char*, 14> kDoubleTalkCvsdLabels;
extern const std::array<const char*, 14> kDoubleTalkMsbcLabels;
// LineIn
extern const std::array<const char*, 17> kSilenceThresholdLabels;
// "0x00" to "0x0F": line-in initial gain, default gain level
extern const std::array<const char*, 16> kHexByteLabels16;
// "0" to "F": line-in maximum and minimum level
extern const std::array<const char*, 16> kHexDigitLabels16;
extern const std::array<const char*, 17> kLineInAdcGainLabels;
// Sound Effect
extern const std::array<const char*, 4> kKneeThresholdLabels;
extern const std::array<const char*, 4> kCompressionRatioLabels;
extern const std::array<const char*, 12> kMakeUpGainLabels;
extern const std::array<const char*, 4> kAttackTimeLabels;
extern const std::array<const char*, 4> kReleaseTimeLabels;
extern const std::array<const char*, 8> kBassLevelLabels;
extern const std::array<const char*, 4> kBassCutoffLabels;
extern const std::array<const char*, 16> kAudioWideningLabels;
// default audio effect items, by code
extern const std::array<const char*, 4> kAudioEffectLabels;
// I2S/PCM
extern const std::array<const char*, 2> kI2sModeLabels;
extern const std::array<const char*, 2> kI2sBitWidthLabels;
extern const std::array<const char*, 2> kI2sAdcLabels;
extern const std::array<const char*, 2> kI2sRfsLabels;
// gain-level editor
extern const std::array<const char*, 4> kGainLevelCountLabels;
// main page
extern const std::array<const char*, 1> kIcVersionLabels;

}  // namespace paramtool::editor
