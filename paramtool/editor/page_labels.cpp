// The item texts of the DSP editor's lists.
#include "paramtool/editor/page_labels.h"

namespace paramtool::editor {

const std::array<const char*, 7> kVoiceFilterLabels = {
    "Cutoff Freq: 50Hz", "Cutoff Freq: 80Hz", "Cutoff Freq: 120Hz", "Cutoff Freq: 180Hz",
    "Cutoff Freq: 210Hz", "Cutoff Freq: 300Hz", "Cutoff Freq: 400Hz",
};

const std::array<const char*, 10> kSpeakerNrLabels = {
    "NR off", "6dB Noise Suppression", "9dB Noise Suppression", "12dB Noise Suppression",
    "15dB Noise Suppression -- Default", "18dB Noise Suppression", "21dB Noise Suppression",
    "24dB Noise Suppression", "27dB Noise Suppression", "30dB Noise Suppression",
};

const std::array<const char*, 10> kMicNrLabels = {
    "NR off", "6dB Noise Suppression", "9dB Noise Suppression", "12dB Noise Suppression",
    "15dB Noise Suppression", "18dB Noise Suppression", "21dB Noise Suppression -- Default",
    "24dB Noise Suppression", "27dB Noise Suppression", "30dB Noise Suppression",
};

const std::array<const char*, 16> kDualMicNrLabels = {
    "DualMIC off", "0x01:Lowest DualMic Suppression", "0x02:", "0x03", "0x04:Default Settings",
    "0x05:", "0x06:", "0x07:", "0x08:", "0x09:", "0x0A:", "0x0B:", "0x0C:", "0x0D:", "0x0E:",
    "0x0F:Highst DualMic Suppression",
};

const std::array<const char*, 10> kMicDistanceLabels = {
    "2cm", "3cm", "4cm", "5cm", "6cm", "7cm", "8cm", "9cm", "10cm", "11cm",
};

const std::array<const char*, 8> kDualMicStepSizeLabels = {
    "0x03: Slowest Adaptation", "0x04:", "0x05:", "0x06:", "0x07: Default", "0x08:", "0x09:",
    "0x0A: Fastest Adaptation",
};

const std::array<const char*, 3> kVoiceSpeakerEqLabels = {
    "EQ Off", "EQ On - Customized EQ Coeff", "AECFreqShaping",
};

const std::array<const char*, 2> kVoiceMicEqLabels = {
    "EQ Off", "EQ On - Customized EQ Coeff",
};

const std::array<const char*, 20> kDigitalMicGainLabels = {
    "0x00: -19dB -- Minimum gain", "0x03: -16dB", "0x05: -14dB", "0x07: -12dB", "0x09: -10dB",
    "0x0A:  -8dB", "0x0C:  -6dB", "0x0F:  -4dB", "0x11:  -2dB", "0x13:   0dB -- Default",
    "0x15:   2dB", "0x17:   4dB", "0x19:   6dB", "0x1B:   8dB", "0x1D:  10dB", "0x1F:  12dB",
    "0x21:  14dB", "0x23:  16dB", "0x25:  18dB", "0x27:  20dB -- Maximum gain",
};

const std::array<const char*, 16> kComfortNoiseLabels = {
    "0x00:  0dB -- Highest level", "0x01: -6dB", "0x02:-12dB", "0x03:-18dB", "0x04:-24dB",
    "0x05:-30dB", "0x06:-36dB", "0x07:-42dB", "0x08:-48dB", "0x09:-54dB", "0x0A:-60dB",
    "0x0B:-66dB", "0x0C:-72dB", "0x0D:-78dB -- Default Level", "0x0E:-84dB",
    "0x0F:-90dB -- Lowest level",
};

const std::array<const char*, 6> kAecStepSizeLabels = {
    "0x01: Fast AEC Convergence", "0x02: ", "0x03: ", "0x04: ", "0x05: ",
    "0x06: Slow AEC Convergence",
};

const std::array<const char*, 11> kAecTapLengthLabels = {
    "0x00: 0msec Echo Tail", "0x01: 8msec Echo Tail", "0x02: 16msec Echo Tail",
    "0x03: 24msec Echo Tail", "0x04: 32msec Echo Tail", "0x05: 40msec Echo Tail",
    "0x06: 48msec Echo Tail", "0x07: 56msec Echo Tail", "0x08: 64msec Echo Tail",
    "0x09: 72msec Echo Tail", "0x0A: 80msec Echo Tail",
};

const std::array<const char*, 6> kLinearThresholdCvsdLabels = {
    "0x7F: Worst Linearity", "0x3F:", "0x1F:", "0x0F:", "0x07:", "0x03: Best Linearity",
};

const std::array<const char*, 6> kLinearThresholdMsbcLabels = {
    "0x7F: Worst Linearity-mSBC", "0x3F:-mSBC", "0x1F:-mSBC", "0x0F:-mSBC", "0x07:-mSBC",
    "0x03: Best Linearity-mSBC",
};

const std::array<const char*, 16> kAesCvsdLabels = {
    "0x01: Less Echo Supperssion", "0x02: ", "0x03: ", "0x04: ", "0x05: ", "0x06: ", "0x07: ",
    "0x08: Medium Echo Suppression", "0x09: ", "0x0A: ", "0x0B: ", "0x0C: ", "0x0D: ", "0x0E: ",
    "0x0F: ", "0x10: Most Echo Supperssion",
};

const std::array<const char*, 16> kAesMsbcLabels = {
    "0x01: Less Echo Supperssion-mSBC", "0x02:-mSBC ", "0x03:-mSBC ", "0x04:-mSBC ", "0x05:-mSBC ",
    "0x06:-mSBC ", "0x07:-mSBC ", "0x08: Medium Echo Suppression-mSBC", "0x09:-mSBC ",
    "0x0A:-mSBC ", "0x0B:-mSBC ", "0x0C:-mSBC ", "0x0D:-mSBC ", "0x0E:-mSBC ", "0x0F:-mSBC ",
    "0x10: Most Echo Supperssion-mSBC",
};

const std::array<const char*, 14> kDoubleTalkCvsdLabels = {
    "0x7F: Better Full-Duplex", "0x72: ", "0x65: ", "0x5A: Medium Full-Duplex", "0x50: ", "0x47: ",
    "0x40: ", "0x39: ", "0x32: ", "0x2D: ", "0x28: ", "0x24: ", "0x20: ", "0x1C: Worse Full-Duplex",
};

const std::array<const char*, 14> kDoubleTalkMsbcLabels = {
    "0x7F: Better Full-Duplex-mSBC", "0x72:-mSBC ", "0x65:-mSBC ", "0x5A: Medium Full-Duplex-mSBC",
    "0x50:-mSBC ", "0x47:-mSBC ", "0x40:-mSBC ", "0x39:-mSBC ", "0x32:-mSBC ", "0x2D:-mSBC ",
    "0x28:-mSBC ", "0x24:-mSBC ", "0x20:-mSBC ", "0x1C: Worse Full-Duplex-mSBC",
};

const std::array<const char*, 17> kSilenceThresholdLabels = {
    "0x00: -6dBOv", "0x02:-12dBOv", "0x04:-18dBOv", "0x06:-24dBOv", "0x08:-30dBOv", "0x0A:-36dBOv",
    "0x0C:-42dBOv", "0x0E:-48dBOv", "0x10:-54dBOv", "0x12:-60dBOv", "0x14:-66dBOv", "0x16:-72dBOv",
    "0x18:-78dBOv", "0x1A:-84dBOv", "0x1C:-92dBOv", "0x1E:-96dBOv", "LineIn Silence Detection Off",
};

const std::array<const char*, 16> kHexByteLabels16 = {
    "0x00", "0x01", "0x02", "0x03", "0x04", "0x05", "0x06", "0x07", "0x08", "0x09", "0x0A", "0x0B",
    "0x0C", "0x0D", "0x0E", "0x0F",
};

const std::array<const char*, 16> kHexDigitLabels16 = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F",
};

const std::array<const char*, 17> kLineInAdcGainLabels = {
    " -6dB, 0x00", " -3dB, 0x03", "  0dB, 0x06", "  3dB, 0x09", "  6dB, 0x0C", "  9dB, 0x0F",
    " 12dB, 0x12", " 15dB, 0x15", " 18dB, 0x23", " 21dB, 0x26", " 24dB, 0x29", " 27dB, 0x2C",
    " 30dB, 0x2F", " 33dB, 0x32", " 36dB, 0x35", " 39dB, 0x38", " 42dB, 0x3B",
};

const std::array<const char*, 4> kKneeThresholdLabels = {
    "-6dBov", "-12dBov", "-28dBov", "-24dBov",
};

const std::array<const char*, 4> kCompressionRatioLabels = {
    "2/3", "1/2", "1/3", "1/4",
};

const std::array<const char*, 12> kMakeUpGainLabels = {
    "0dB", "1dB", "2dB", "3dB", "4dB", "5dB", "6dB", "7dB", "8dB", "9dB", "10dB", "11dB",
};

const std::array<const char*, 4> kAttackTimeLabels = {
    "10ms", "20ms", "50ms", "100ms",
};

const std::array<const char*, 4> kReleaseTimeLabels = {
    "50ms", "100ms", "200ms", "700ms",
};

const std::array<const char*, 8> kBassLevelLabels = {
    "0x00", "0x01", "0x02", "0x03", "0x04", "0x05", "0x06", "0x07",
};

const std::array<const char*, 4> kBassCutoffLabels = {
    "100Hz", "150Hz", "200Hz", "300Hz",
};

const std::array<const char*, 16> kAudioWideningLabels = {
    "0x00: Lowest level", "0x01", "0x02", "0x03", "0x04", "0x05", "0x06", "0x07", "0x08", "0x09",
    "0x0A", "0x0B", "0x0C", "0x0D", "0x0E", "0x0F: Highest level",
};

const std::array<const char*, 4> kAudioEffectLabels = {
    "All Off", "MBDRC On", "All On", "AW On",
};

const std::array<const char*, 2> kI2sModeLabels = {
    "Master mode", "Slave mode",
};

const std::array<const char*, 2> kI2sBitWidthLabels = {
    "16bit", "24bit",
};

const std::array<const char*, 2> kI2sAdcLabels = {
    "Embedded ADC", "External ADC",
};

const std::array<const char*, 2> kI2sRfsLabels = {
    "RFS high level -> Left channel", "RFS low level -> Left channel",
};

const std::array<const char*, 4> kGainLevelCountLabels = {
    "16", "12", "10", "8",
};

const std::array<const char*, 1> kIcVersionLabels = {
    "QM480x_012_ZadiVidoVIZ1.1_v1.06",
};

}  // namespace paramtool::editor
