#pragma once
// The fixed English texts of the event presentation, one table per group, indexed by the
// value the event carries. Texts are reproduced exactly as the module's documentation and
// earlier console versions have them, typos included; logs are compared against them.

#include <cstddef>
#include <string>

namespace console {

struct TextTable {
  const char* const* texts;
  std::size_t size;
  // The text for `value`, or "" for a value beyond the table.
  std::string operator[](std::size_t value) const { return value < size ? texts[value] : ""; }
};

namespace texts {
extern const TextTable kCommandStatus;
extern const TextTable kModuleState;
extern const TextTable kCallState;
extern const TextTable kBatteryLevel;
extern const TextTable kBatteryVoltage;
extern const TextTable kSms;
extern const TextTable kRoaming;
extern const TextTable kService;
extern const TextTable kCharger;
extern const TextTable kSignal;
extern const TextTable kLevelNumber;
extern const TextTable kEqMode;
extern const TextTable kDeviceState;
extern const TextTable kProfileLink;
extern const TextTable kPlayerStatus;
extern const TextTable kStreaming;
extern const TextTable kLeState;
extern const TextTable kSpeakerLinkState;
extern const TextTable kSpeakerTopology;

extern const TextTable kRetrievedList;
extern const TextTable kRingTone;
extern const TextTable kSppKind;
extern const TextTable kAvrcpSupport;
extern const TextTable kVersionLabel;
extern const TextTable kAtResult;
extern const TextTable kMiscStatus[7];  // by kind 0 to 6 (kind 5 has no table)
extern const TextTable kSampleRate;
extern const TextTable kStandbySetting;
extern const TextTable kAncsSearch;
extern const TextTable kParameterUpdate;
extern const TextTable kSpeakerVendorEvent;
extern const TextTable kCodecLines;  // BTM_SETTING item 1, one line per codec flag bit

// Link-layer errors of the ANCS error report; each entry starts with the code it describes.
struct CodedText {
  unsigned code;
  const char* text;
};
extern const CodedText kLinkLayerErrors[];
extern const std::size_t kLinkLayerErrorCount;

extern const TextTable kElementAttributeLabel;
extern const TextTable kPlayerSettingAttribute;
extern const TextTable kEqualizerValue;
extern const TextTable kRepeatValue;
extern const TextTable kShuffleValue;
extern const TextTable kScanValue;
extern const TextTable kPlayStatus;
extern const TextTable kBatteryStatus;
extern const TextTable kSystemStatus;
}  // namespace texts

}  // namespace console
