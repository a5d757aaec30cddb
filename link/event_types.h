#pragma once
// What the event decoder hands to the console for every accepted event.

#include <cstddef>
#include <cstdint>

// The event opcode. Opcodes without a name are still valid values (0x00 to 0xFF).
enum event_type_ : uint8_t {
  COMMAND_ACK = 0x00,
  BTM_STATUS = 0x01,
  CALL_STATUS = 0x02,
  CALLER_ID = 0x03,
  SMS_INDICATION = 0x04,
  MISSED_CALL_INDICATION = 0x05,
  PHONE_MAX_BATTERY_LEVEL = 0x06,
  PHONE_BATTERY_LEVEL = 0x07,
  PHONE_ROAMING = 0x08,
  PHONE_MAX_SIGNAL_STRENGTH = 0x09,
  PHONE_SIGNAL_STRENGTH = 0x0A,
  PHONE_SERVICE_STATUS = 0x0B,
  BTM_BATTERY_STATUS = 0x0C,
  BTM_CHARGING_STATUS = 0x0D,
  RESET_TO_DEFAULT_OK = 0x0E,
  HF_GAIN_LEVEL = 0x0F,
  EQ_MODE = 0x10,
  PHONEBOOK_DATA = 0x11,  // 0x11 to 0x15 all carry phone-book or call-history text
  PHONEBOOK_RETRIEVED = 0x16,
  LINKED_DEVICE_INFO = 0x17,
  BTM_VERSION = 0x18,
  AVC_RESPONSE = 0x1A,
  BTM_MISC_STATUS = 0x1B,
  AT_COMMAND_RESULT = 0x1C,
  AT_RESPONSE_TEXT = 0x1D,
  LINK_STATUS_REPORT = 0x1E,
  PAIRED_DEVICE_LIST = 0x1F,
  LOCAL_ADDRESS = 0x20,
  LOCAL_NAME = 0x21,
  SPP_DATA = 0x22,
  AUDIO_SAMPLE_RATE = 0x2D,
  BTM_SETTING = 0x2E,
  UPDATE_BIN_STATUS = 0x2F,
  BTM_INIT_COMPLETE = 0x30,
  ANCS_INDICATION = 0x31,
  LE_STATUS = 0x32,
  ECSB_LINK_STATUS = 0x33,
  SPEAKER_VENDOR_EVENT = 0x34,
};

constexpr std::size_t kEventContentSize = 1032;
constexpr std::size_t kEventWorkBufferSize = 1024;  // the largest packet the decoder holds
constexpr std::size_t kEventContentOffset = 4;      // content byte i is packet byte 4 + i

// The parameter bytes of an event followed by its checksum byte, zeros beyond the packet.
// 16-bit fields the decoder rewrites are least significant byte first; every other multi-byte
// field stays as the module sent it.
struct EVENT_TYPE_CONTENT_ {
  uint8_t bytes[kEventContentSize];

  uint8_t operator[](std::size_t i) const { return bytes[i]; }
  // A 16-bit field the decoder has rewritten (least significant byte first).
  uint16_t Native16(std::size_t i) const {
    return static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8));
  }
  // A 16-bit field as the module sent it (most significant byte first).
  uint16_t BigEndian16(std::size_t i) const {
    return static_cast<uint16_t>((bytes[i] << 8) | bytes[i + 1]);
  }
};
