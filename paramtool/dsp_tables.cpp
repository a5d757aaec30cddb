// Display and value tables of the DSP editor.
#include "paramtool/dsp_tables.h"

namespace paramtool {

// Labels are the level right-aligned in five characters, a line break and the byte.
const std::array<GainEntry, kSpeakerGainEntries> kSpeakerGainTable = {{
    {" Mute\n0x00", 0x00},
    {"-62dB\n0x22", 0x22},
    {"-59dB\n0x25", 0x25},
    {"-56dB\n0x42", 0x42},
    {"-53dB\n0x45", 0x45},
    {"-50dB\n0x62", 0x62},
    {"-47dB\n0x65", 0x65},
    {"-44dB\n0x82", 0x82},
    {"-41dB\n0x85", 0x85},
    {"-38dB\n0xa2", 0xA2},
    {"-35dB\n0xa5", 0xA5},
    {"-32dB\n0xc2", 0xC2},
    {"-29dB\n0xc5", 0xC5},
    {"-26dB\n0xe2", 0xE2},
    {"-23dB\n0xe5", 0xE5},
    {"-22dB\n0xe6", 0xE6},
    {"-21dB\n0xe7", 0xE7},
    {"-20dB\n0xe8", 0xE8},
    {"-19dB\n0xe9", 0xE9},
    {"-18dB\n0xea", 0xEA},
    {"-17dB\n0xeb", 0xEB},
    {"-16dB\n0xec", 0xEC},
    {"-15dB\n0xed", 0xED},
    {"-14dB\n0xee", 0xEE},
    {"-13dB\n0xef", 0xEF},
    {"-12dB\n0xf0", 0xF0},
    {"-11dB\n0xf1", 0xF1},
    {"-10dB\n0xf2", 0xF2},
    {" -9dB\n0xf3", 0xF3},
    {" -8dB\n0xf4", 0xF4},
    {" -7dB\n0xf5", 0xF5},
    {" -6dB\n0xf6", 0xF6},
    {" -5dB\n0xf7", 0xF7},
    {" -4dB\n0xf8", 0xF8},
    {" -3dB\n0xf9", 0xF9},
    {" -2dB\n0xfa", 0xFA},
    {" -1dB\n0xfb", 0xFB},
    {"  0dB\n0xfc", 0xFC},
    {"  1dB\n0xfd", 0xFD},
    {"  2dB\n0xfe", 0xFE},
    {"  3dB\n0xff", 0xFF},
}};

// Entry i holds 0xFF - 0x11 * i.
const std::array<GainEntry, kMicCodecGainEntries> kMicCodecGainTable = {{
    {"46.0dB 0xFF", 0xFF},
    {"42.6dB 0xEE", 0xEE},
    {"39.2dB 0xDD", 0xDD},
    {"35.8dB 0xCC", 0xCC},
    {"32.4dB 0xBB", 0xBB},
    {"29.0dB 0xAA", 0xAA},
    {"25.6dB 0x99", 0x99},
    {"23.8dB 0x88", 0x88},
    {"20.4dB 0x77", 0x77},
    {"18.6dB 0x66", 0x66},
    {"15.2dB 0x55", 0x55},
    {"11.9dB 0x44", 0x44},
    {" 8.5dB 0x33", 0x33},
    {" 6.8dB 0x22", 0x22},
    {" 3.4dB 0x11", 0x11},
    {" 0.0dB 0x00", 0x00},
}};

const std::array<const char*, 7> kNoiseReductionLabels = {
    "NR Off", "6dB Suppression", "9dB Suppression", "12dB Suppression", "15dB Suppression", "18dB Suppression", "21dB Suppression",
};

const std::array<const char*, 11> kAudioEqPresetLabels = {
    "Off", "SOFT", "BASS", "TREBLE", "CLASSICAL", "ROCK", "JAZZ", "POP", "DANCE", "Rhythm and Blues", "Custom EQ",
};

const std::array<const char*, 4> kVoiceEqModeLabels = {
    "EQ Off", "EQ On - Customized EQ Coeff", "AECFreqShaping", "Custom 2",
};

const std::array<const char*, 16> kHexDigitLabels = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F",
};

int speakerGainIndexOf(int value) {
  for (std::size_t i = 0; i < kSpeakerGainTable.size(); ++i) {
    if (kSpeakerGainTable[i].value == value) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace paramtool
