#include "console/event_texts.h"

namespace console {
namespace texts {

#define BTM_TABLE(name, ...)                                \
  namespace {                                               \
  const char* const name##Texts[] = {__VA_ARGS__};          \
  }                                                         \
  const TextTable name = {name##Texts, sizeof(name##Texts) / sizeof(name##Texts[0])};

BTM_TABLE(kCommandStatus, "Command Complete.", "Command Disallow.", "Unknow Command.", "Parameter Error",
          "BTM is busy.", "Memory is Full.")

BTM_TABLE(kModuleState, "Device is under off mode.", "Device is under pairing mode", "Power on device.",
          "Device is pairing successfully.", "Device is pairing failed.", "Device has a HF link",
          "Device has an A2DP link.", "Device has no HF link", "Device has no A2DP link.",
          "Device has an SCO link.", "Device has no SCO link.", "Device has an AVRCP link",
          "Device has no AVRCP link.", "Device has an SPP link.", "Device has no SPP/iAP link.",
          "Device under standby mode.", "An iAP link has been connected.", "ACL link was disconnected.")

BTM_TABLE(kCallState, "No Call.", "Voice dial.", "Call incoming.", "Outgoing call.", "Call active.",
          "Call active with call waiting.", "Call active with held call.", "Call active with call waiting.",
          "Call active with held call.")

BTM_TABLE(kBatteryLevel, "Battery too low.", "Battery low.", "Battery is normal.", "Battery is high.",
          "Battery is full.", "In charging.", "Charging complete.")

BTM_TABLE(kBatteryVoltage, "Battery voltage is lower than 3.1V.", "Battery voltage is within range of 3.1v to 3.2v",
          "Battery voltage is within range of 3.3v to 3.3v", "Battery voltage is within range of 3.3v to 3.4v",
          "Battery voltage is within range of 3.4v to 3.5v", "Battery voltage is within range of 3.5v to 3.6v",
          "Battery voltage is within range of 3.6v to 3.7v", "Battery voltage is within range of 3.7v to 3.8v",
          "Battery voltage is within range of 3.8v to 3.9v", "Battery voltage is within range of 3.9v to 4.0v",
          "Battery voltage is within range of 4.0v to 4.1v", "Battery voltage is within range of 4.1v to 4.2v",
          "Battery voltage is higher than 4.2V.")

BTM_TABLE(kSms, "No SMS received.", "Received SMS.")
BTM_TABLE(kRoaming, "No Roaming.", "Roaming.")
BTM_TABLE(kService, "Service is unvailable.", "Service is avaliable.")
BTM_TABLE(kCharger, "No Charger.", "Charging.", "Charging complete.", "Charging error.")
BTM_TABLE(kSignal, "No signal.", "Low signal strength.", "Signal strength is normal.", "Signal strength is normal.",
          "Signal strength is normal.", "Signal strength is normal.")
BTM_TABLE(kLevelNumber, "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15")

BTM_TABLE(kEqMode, "EQ mode : off", "EQ mode : user define", "EQ mode : bass", "EQ mode : terble",
          "EQ mode : classical", "EQ mode : rock", "EQ mode : jazz", "EQ mode : pop", "EQ mode : dance",
          "EQ mode : rnb")

BTM_TABLE(kDeviceState, "Device is under off mode.", "Device is under pairing mode", "Device is under standby mode",
          "Device has an HF link", "Device has an A2DP link.", "Device has an SPP link.",
          "Device has multi-profiles links.", "Device is under on mode.")

BTM_TABLE(kProfileLink, "No Connection.", "A2DP profile signaling channel connected.",
          "A2DP profile stream channel connected.", "AVRCP profile connected.", "HF profile connected.",
          "SPP connected.")

BTM_TABLE(kPlayerStatus, "Stopped", "Playing", "Paused", "Forward Seek", "Reverse Seek", "Fast Forward", "Rewind",
          "Wait to Play", "Wait to Pause")
BTM_TABLE(kStreaming, "No Streaming", "Streaming is going")
BTM_TABLE(kLeState, "LE standby.", "LE advertising.", "LE scanning.", "LE connected.")

BTM_TABLE(kSpeakerLinkState, "The eCSB-link is standby(disconnected).\n",
          "The device is busy, the eCSB_paging is be postponed.\n", "The eCSB-paging is connecting.\n",
          "The new eCSB-link is connected succesfully\n.", "The eCSB-link is loss.\n")
BTM_TABLE(kSpeakerTopology, "The eCSB-link is non-exist.\n", "The master SPK1 connect with SPK2.\n",
          "The master SPK1 connect with SPK3.\n", "The master SPK1 connect with SPK2 and SPK3.\n",
          "The slave SPKs report them was connected with SPK1")

BTM_TABLE(kRetrievedList, "Current calls", "Missed calls", "Answered Calls", "Outgoing calls", "Combined calls",
          "Phonebook contacts")
BTM_TABLE(kRingTone, "Out-band ring tone.", "In-band ring tone.")
BTM_TABLE(kSppKind, "Standard SPP device.", "iAP device.")
BTM_TABLE(kAvrcpSupport, "Support AVRCP 1.0.", "Support AVRCP 1.5.")
BTM_TABLE(kVersionLabel, "UART Version", "Firmware Version")
BTM_TABLE(kAtResult, "AG responses OK.", "AG responses Error", "No AG response.")

BTM_TABLE(kMiscKind0, "Amplifier is off.", "Amplifer is unmute.")
BTM_TABLE(kMiscKind1, "Line-in is unpluged.", "Line-in is plugged-in.", "Line-in is not silence.",
          "Line-in is silence.")
BTM_TABLE(kMiscKind2, "BTM is updated.", "MCU is updated")
BTM_TABLE(kMiscKind3, "EEProm update successful")
BTM_TABLE(kMiscKind4, "A2DP CODEC stop.", "A2DP CODEC start.")
BTM_TABLE(kMiscKind6, "Volume up.", "Volume down.")
const TextTable kMiscStatus[7] = {kMiscKind0, kMiscKind1, kMiscKind2, kMiscKind3, kMiscKind4, {nullptr, 0},
                                  kMiscKind6};

BTM_TABLE(kSampleRate, "8KHz sample rate.", "44.1KHz sample rate.", "48KHz sample rate")
BTM_TABLE(kStandbySetting, "BTM Standby mode disable.", "BTM Standby mode enable.")
BTM_TABLE(kAncsSearch, "ANCS service founded.", "ANCS service not founded.")
BTM_TABLE(kParameterUpdate, "LE connection parameter updated accepted.", "LE connection parameter updated rejected.")
BTM_TABLE(kSpeakerVendorEvent, "",
          "The slave SPK(SPK2/3) receive vendor cmd form the master SPK(SPK1).\n",
          "The master SPK(SPK1) receive vendor cmd from the slave SPK(SPK2).\n",
          "The master SPK(SPK1) receive vendor cmd from the slave SPK(SPK3).\n")
BTM_TABLE(kCodecLines, "CODEC Type:SBC (Mandatory, must always been set)", "CODEC Type:AAC", "CODEC Type:VENDOR")

const CodedText kLinkLayerErrors[] = {
    {0x00, "0x00 , Command succeeded"},
    {0x01, "0x01 , Unknown Command"},
    {0x02, "0x02 , Unknown Connection Identifier"},
    {0x03, "0x03 , Hardware Failure"},
    {0x05, "0x05 , Authentication Failure"},
    {0x06, "0x06 , PIN or Key Missing"},
    {0x07, "0x07 , Memory Capacity Exceeded"},
    {0x08, "0x08 , Connection Timeout"},
    {0x09, "0x09 , Connection Limit Exceeded"},
    {0x0B, "0x0B , ACL Connection Already Exists"},
    {0x0C, "0x0C , Command Disallowed"},
    {0x0D, "0x0D , Connection Rejected due to Limited Resources"},
    {0x0E, "0x0E , Connection Rejected due To Security Reasons"},
    {0x0F, "0x0F , Connection Rejected due to Unacceptable BD_ADDR"},
    {0x10, "0x10 , Connection Accept Timeout Exceeded"},
    {0x11, "0x11 , Unsupported Feature or Parameter Value"},
    {0x12, "0x12 , Invalid HCI Command Parameters"},
    {0x13, "0x13 , Remote User Terminated Connection"},
    {0x14, "0x14 , Remote Device Terminated Connection due to Low Resources"},
    {0x15, "0x15 , Remote Device Terminated Connection due to Power Off"},
    {0x16, "0x16 , Connection Terminated By Local Host"},
    {0x18, "0x18 , Pairing Not Allowed"},
    {0x1F, "0x1F , Unspecified Error"},
    {0x28, "0x28 , Instant Passed"},
    {0x29, "0x29 , Pairing With Unit Key Not Supported"},
    {0x2F, "0x2F , Insufficient Security"},
    {0x39, "0x39 , Connection Rejected due to No Suitable Channel Found"},
    {0x3A, "0x3A , Controller Busy"},
    {0x3B, "0x3B , Unacceptable Connection Interval"},
    {0x3C, "0x3C , Directed Advertising Timeout"},
    {0x3D, "0x3D , Connection Terminated due to MIC Failure"},
    {0x3E, "0x3E , Connection Failed to be Established"},
    {0x81, "0x81 , Invalid Handle"},
    {0x82, "0x82 , Read Not Permitted"},
    {0x83, "0x83 , Write Not Permitted"},
    {0x84, "0x84 , Invalid PDU"},
    {0x85, "0x85 , Insufficient Authentication"},
    {0x86, "0x86 , Request Not Supported"},
    {0x87, "0x87 , Invalid Offset"},
    {0x88, "0x88 , Insufficient Authorization"},
    {0x89, "0x89 , Prepare Queue Full"},
    {0x8A, "0x8A , Attribute Not Found"},
    {0x8B, "0x8B , Attribute Not Long"},
    {0x8C, "0x8C , Insufficient Encryption Key Size"},
    {0x8D, "0x8D , Invalid Attribute Value Length"},
    {0x8E, "0x8E , Unlikely Error"},
    {0x8F, "0x8F , Insufficient Encryption"},
    {0x90, "0x90 , Unsupported Grout Type"},
    {0x91, "0x91 , Insufficient Resources"},
    {0xA0, "0xA0 , Unknown Command (ANCS)"},
    {0xA1, "0xA1 , Invalid Command (ANCS)"},
    {0xA2, "0xA2 , Invalid Parameter (ANCS)"},
    {0xFF, "0xFF , UART Checksum Error [TX]"},
};
const std::size_t kLinkLayerErrorCount = sizeof(kLinkLayerErrors) / sizeof(kLinkLayerErrors[0]);

BTM_TABLE(kElementAttributeLabel, "Illegal , Should not be used.\n", "Title of the media : ", "Name of the artist : ",
          "Name of the album : ", "Number of the media : ", "Total number of the media : ", "Genre : ",
          "Playing time : ", "Reserved for future use.\n")
BTM_TABLE(kPlayerSettingAttribute, "Illegal , Should not be used.\n", "Equalizer status ON/OFF.\n",
          "Repeat Mode status.\n", "Shuffle ON/OFF status.\n", "Scan ON/OFF status.\n", "Reserved for future use.\n")
BTM_TABLE(kEqualizerValue, "Current equalizer status : OFF.\n", "Current equalizer status : ON.\n",
          "Current equalizer status : Reserved for future use.\n")
BTM_TABLE(kRepeatValue, "Current repeat mode : OFF.\n", "Current repeat mode : Single track repeat.\n",
          "Current repeat mode : All track repeat.\n", "Current repeat mode : Group repeat.\n",
          "Current repeat mode : Reserved for future use.\n")
BTM_TABLE(kShuffleValue, "Current shuffle status : OFF.\n", "Current shuffle status : All tracks shuffle.\n",
          "Current shuffle status : Group shuffle.\n", "Current shuffle status : Reserved for future use.\n")
BTM_TABLE(kScanValue, "Current scan status : OFF.\n", "Current scan status : All tracks scan.\n",
          "Current scan status : Group scan.\n", "Current scan status : Reserved for future use.\n")
BTM_TABLE(kPlayStatus, "STOPPED.\n", "PLAYING.\n", "PAUSED.\n", "FORWARD SEEK.\n", "REVERSE SEEK.\n", "ERROR.\n")
BTM_TABLE(kBatteryStatus, "Battery operation is in normal state.\n", "Unable to operate soon.\n",
          "Can not operate any more.\n", "Plugged to external power supply.\n",
          "When the device is completely charged from the external power supply.\n")
BTM_TABLE(kSystemStatus, "Power on.\n", "Power off.\n", "Unplugged.\n")

#undef BTM_TABLE

}  // namespace texts
}  // namespace console
