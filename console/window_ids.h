#pragma once
// Control IDs of the main window and the indexes of its indicator image set. Pages and
// tests address controls by these numbers; the event presentation names pictures by them.

namespace console {

namespace ctl {
constexpr int kSerialPortGroup = 1475;
constexpr int kPortCombo = 1074;
constexpr int kBaudCombo = 1075;
constexpr int kOpen = 1029;
constexpr int kClose = 1030;
constexpr int kRxIndication = 1404;
constexpr int kRxDelayEdit = 1175;
constexpr int kFillNullByte = 1420;
constexpr int kPageFrame = 1474;
constexpr int kConnectionGroup = 1134;
constexpr int kDeviceA = 1398;
constexpr int kDeviceB = 1399;
constexpr int kHfpA = 1086, kHfpB = 1128;
constexpr int kA2dpA = 1087, kA2dpB = 1129;
constexpr int kSppA = 1289, kSppB = 1290;
constexpr int kRingA = 1090, kRingB = 1130;
constexpr int kCallA = 1097, kCallB = 1131;
constexpr int kSignalA = 1143, kSignalB = 1144;
constexpr int kRoamingA = 1145, kRoamingB = 1146;
constexpr int kBatteryA = 1147, kBatteryB = 1149;
constexpr int kCallStateTextA = 1157, kCallStateTextB = 1158;
constexpr int kModuleBattery = 1096;
constexpr int kModuleVolume = 1098;
constexpr int kModuleMessage = 1095;
constexpr int kModuleHidden = 1375;
constexpr int kSlaveSpeaker1 = 1462;
constexpr int kSlaveSpeaker2 = 1463;
constexpr int kSlaveSpeakerText = 1461;
constexpr int kLeGroup = 1135;
constexpr int kLeLinkIcon = 1088;
constexpr int kLeDataIcon = 1089;
constexpr int kSaveAs = 1239;
constexpr int kClear = 1040;
constexpr int kLogPane = 1036;
}  // namespace ctl

// Icons of the LE group.
namespace icon {
constexpr int kLeLinkBlue = 263;
constexpr int kLeLinkGrey = 264;
constexpr int kLeDataGrey = 265;
constexpr int kLeDataColour = 266;
}  // namespace icon

// Indexes into the 63-image indicator set.
namespace img {
constexpr int kBellRinging = 0, kBellGrey = 1;
constexpr int kHandsetVoice = 2, kHandsetGreen = 3;
constexpr int kHungUpRed = 4, kHungUpGrey = 5;
constexpr int kSpeechBubble = 6, kSpeechBubbleHeld = 7;
constexpr int kHfpLinked = 8, kHfpIdle = 9;
constexpr int kA2dpLinked = 10, kA2dpIdle = 11;
constexpr int kMessage = 12, kMessageIdle = 13;
constexpr int kBatteryEmpty = 14;
constexpr int kBatteryFourBars = 15, kBatteryTwoBars = 16, kBatteryThreeBars = 17,
              kBatteryOneBar = 18, kBatteryLow = 19;
constexpr int kChargerFull = 20, kCharging = 21, kChargingError = 22;
constexpr int kVolumeNone = 23;
constexpr int kVolume0 = 24;  // 24 + level, level 0 to 15
constexpr int kNoSignal = 40, kSignalIdle = 41;
constexpr int kSignal1 = 42;  // 42 to 45: one to four bars
constexpr int kNotRoaming = 46, kRoaming = 47;
constexpr int kSppLinked = 48, kSppIdle = 49;
constexpr int kMediaPlay = 50;  // 50 to 58: play, stop, pause, ff, rewind, next, previous, plus, minus
constexpr int kSpeakerPair1Idle = 59, kSpeakerPair1Linked = 60;
constexpr int kSpeakerPair2Idle = 61, kSpeakerPair2Linked = 62;
constexpr int kCount = 63;
}  // namespace img

}  // namespace console
