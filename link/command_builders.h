#pragma once
// The command catalogue: one builder per command variant the console sends to the module.
// Each builder lays out the parameter bytes of its command and hands them to SendCommand.
// Builders that would exceed their command's own limit send nothing and return a refusal.

#include "link/packet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Results of a send or a builder. kSent is the channel's "true".
enum SendResult : uint8_t {
  kSendNoChannel = 0,        // the layer has no channel yet (never opened): nothing was sent
  kSent = 1,                 // handed to the channel (queued, or written at once for an Event ACK)
  kSendDialLength = 2,       // a dial number with no digits or too many: nothing was sent
  kSendTooLong = 3,          // parameters above the command's limit or the packet buffer
};

// Limits of the individual commands (parameter bytes, or the part named).
constexpr std::size_t kMaxDialDigits = 20;
constexpr std::size_t kMaxExtensionDigits = 10;
constexpr std::size_t kMaxDeviceNameBytes = 32;
constexpr std::size_t kMaxAtCommandBytes = 64;
constexpr std::size_t kMaxSppPayload = 506;
constexpr std::size_t kMaxTtsChunk = 480;
constexpr std::size_t kMaxAncsNotification = 127;
constexpr std::size_t kMaxSpeakerVendorData = 512;
constexpr std::size_t kMaxRawParameters = 511;

// Command opcodes of the catalogue.
enum class CommandOpcode : uint8_t {
  MAKE_CALL = 0x00,
  MAKE_EXTENSION_CALL = 0x01,
  MMI_ACTION = 0x02,
  STATUS_REPORT_MASK = 0x03,
  MUSIC_CONTROL = 0x04,
  CHANGE_DEVICE_NAME = 0x05,
  SET_PAIRING_TIMEOUT = 0x07,
  READ_BTM_VERSION = 0x08,
  VENDOR_AT_COMMAND = 0x0A,
  AVC_SPECIFIC_COMMAND = 0x0B,
  AVRCP_GROUP_NAVIGATION = 0x0C,
  INFO_QUERY_0D = 0x0D,
  INFO_QUERY_0E = 0x0E,
  INFO_QUERY_0F = 0x0F,
  INFO_QUERY_10 = 0x10,
  SET_PHONEBOOK_ACCESS = 0x11,
  SEND_SPP_DATA = 0x12,
  MISC_CONTROL = 0x13,
  EVENT_ACK = 0x14,
  CONNECT_PROFILE = 0x15,
  READ_LINKED_DEVICE_INFO = 0x16,
  PROFILE_LINK_BACK = 0x17,
  DISCONNECT = 0x18,
  SET_EQ_MODE = 0x1C,
  SET_NOISE_REDUCTION = 0x1D,
  GPIO_CONTROL = 0x1E,
  SET_UART_BUFFER_SIZE = 0x1F,
  TTS_DATA = 0x20,
  GAIN_CONTROL = 0x23,
  READ_BTM_SETTING = 0x24,
  ANCS_CONTROL = 0x28,
  LE_CONTROL = 0x29,
  SPEAKER_VENDOR_COMMAND = 0x2A,
  AUDIO_EFFECT_SYNC = 0x2C,
};

// The four STATUS_REPORT_MASK bytes for a set of ticked report bits (bit k of `bits` is check
// box k). Bit 0 and bits 22 to 31 are never sent.
std::array<uint8_t, 4> StatusReportMaskBytes(uint32_t bits);

// Every builder returns a SendResult. The link byte selects the phone link (0 Device A,
// 1 Device B). Text parameters are UTF-8 and travel without a terminator.
class CommandBuilders {
 public:
  using Bytes = std::vector<uint8_t>;

  // Frames and hands over one command; implemented by the command layer.
  virtual uint8_t SendCommand(uint8_t opcode, const uint8_t* params, uint16_t count) = 0;

  // A command typed by the user: any opcode, up to 511 parameter bytes (possibly none).
  uint8_t SendRaw(uint8_t opcode, uint16_t count, const uint8_t* params);

  uint8_t MAKE_CALL(uint8_t link, const std::string& number);
  uint8_t MAKE_EXTENSION_CALL(uint8_t link, const std::string& number);
  uint8_t MMI_ACTION(uint8_t link, uint8_t action);
  uint8_t STATUS_REPORT_MASK(const std::array<uint8_t, 4>& mask);
  uint8_t MUSIC_CONTROL(uint8_t link, uint8_t action);
  uint8_t CHANGE_DEVICE_NAME(const std::string& name);
  uint8_t SET_PAIRING_TIMEOUT(uint8_t units_of_30s);
  uint8_t READ_BTM_VERSION(uint8_t which);
  uint8_t VENDOR_AT_COMMAND(uint8_t link, const std::string& command);
  uint8_t AVC_SPECIFIC_COMMAND(uint8_t link, uint8_t pdu_id, const Bytes& parameters);
  uint8_t AVRCP_GROUP_NAVIGATION(uint8_t link, uint8_t direction);
  uint8_t INFO_QUERY_0D();
  uint8_t INFO_QUERY_0E();
  uint8_t INFO_QUERY_0F();
  uint8_t INFO_QUERY_10();
  uint8_t SET_PHONEBOOK_ACCESS(uint8_t flag);
  uint8_t SEND_SPP_DATA(uint8_t link, uint8_t packet_type, uint16_t total_length,
                        const Bytes& payload);
  uint8_t MISC_CONTROL(uint8_t sub_command, uint8_t value);
  uint8_t EVENT_ACK(uint8_t event_opcode);
  uint8_t CONNECT_PROFILE(uint8_t link, uint8_t profile);
  uint8_t READ_LINKED_DEVICE_INFO(uint8_t link, uint8_t item);
  uint8_t PROFILE_LINK_BACK(uint8_t profile);
  uint8_t PROFILE_LINK_BACK_DEDICATE(uint8_t paired_index, uint8_t profile_flags);
  uint8_t DISCONNECT(uint8_t profile_mask);
  uint8_t SET_EQ_MODE(uint8_t mode);
  uint8_t SET_NOISE_REDUCTION(uint8_t code);
  uint8_t GPIO_CONTROL(const std::array<uint8_t, 12>& groups);
  uint8_t SET_UART_BUFFER_SIZE(uint16_t size);
  uint8_t TTS_DATA_START();
  uint8_t TTS_DATA_CHUNK(uint8_t chunk_kind, const Bytes& data);
  uint8_t GAIN_CONTROL(uint8_t link, uint8_t gain_mask, uint8_t operation, uint8_t a2dp_level,
                       uint8_t hf_level, uint8_t line_in_level);
  uint8_t READ_BTM_SETTING(uint8_t item);
  uint8_t ANCS_CONTROL_SEARCH();
  uint8_t ANCS_CONTROL_SUBSCRIBE(bool subscribe);
  uint8_t ANCS_CONTROL_NOTIFICATION(const Bytes& notification);
  uint8_t LE_CONTROL_QUERY_STATUS();
  uint8_t LE_CONTROL_ADVERTISING(bool enable);
  uint8_t LE_CONTROL_CONNECTION_UPDATE(uint16_t interval_min, uint16_t interval_max,
                                       uint16_t latency, uint16_t supervision_timeout);
  uint8_t LE_CONTROL_ADVERTISING_INTERVAL(uint16_t interval);
  uint8_t SPEAKER_VENDOR_COMMAND(uint8_t type, const Bytes& data);
  uint8_t AUDIO_EFFECT_SYNC(uint8_t effect_type, uint8_t effect_value);

 protected:
  CommandBuilders() = default;
  CommandBuilders(const CommandBuilders&) = delete;
  CommandBuilders& operator=(const CommandBuilders&) = delete;
  virtual ~CommandBuilders() = default;

 private:
  uint8_t Send(CommandOpcode opcode, const Bytes& params);
};
