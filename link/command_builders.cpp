#include "link/command_builders.h"


namespace {

using Bytes = CommandBuilders::Bytes;

std::uint8_t High(std::size_t value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
std::uint8_t Low(std::size_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// The fixed leading parameter bytes of a command followed by a run of variable length.
Bytes HeadAndTail(std::initializer_list<std::uint8_t> head, const std::uint8_t* tail,
                  std::size_t count) {
  Bytes params;
  params.reserve(head.size() + count);
  params.assign(head.begin(), head.end());
  params.insert(params.end(), tail, tail + count);
  return params;
}

Bytes HeadAndTail(std::initializer_list<std::uint8_t> head, const Bytes& tail) {
  return HeadAndTail(head, tail.data(), tail.size());
}

Bytes HeadAndTail(std::initializer_list<std::uint8_t> head, const std::string& text) {
  return HeadAndTail(head, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

}  // namespace

std::array<uint8_t, 4> StatusReportMaskBytes(uint32_t bits) {
  constexpr uint32_t kReportBits = 0x003FFFFEu;  // bits 1 to 21
  bits &= kReportBits;
  return {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
}

uint8_t CommandBuilders::Send(CommandOpcode opcode, const Bytes& params) {
  if (params.size() > packet::kMaxCommandParameters) return kSendTooLong;
  return SendCommand(static_cast<uint8_t>(opcode), params.data(),
                     static_cast<uint16_t>(params.size()));
}

uint8_t CommandBuilders::SendRaw(uint8_t opcode, uint16_t count, const uint8_t* params) {
  if (count > kMaxRawParameters) return kSendTooLong;
  return SendCommand(opcode, params, count);
}

uint8_t CommandBuilders::MAKE_CALL(uint8_t link, const std::string& number) {
  if (number.empty() || number.size() > kMaxDialDigits) return kSendDialLength;
  return Send(CommandOpcode::MAKE_CALL, HeadAndTail({link}, number));
}

uint8_t CommandBuilders::MAKE_EXTENSION_CALL(uint8_t link, const std::string& number) {
  if (number.empty() || number.size() > kMaxExtensionDigits) return kSendDialLength;
  return Send(CommandOpcode::MAKE_EXTENSION_CALL, HeadAndTail({link}, number));
}

uint8_t CommandBuilders::MMI_ACTION(uint8_t link, uint8_t action) {
  return Send(CommandOpcode::MMI_ACTION, {link, action});
}

uint8_t CommandBuilders::STATUS_REPORT_MASK(const std::array<uint8_t, 4>& mask) {
  return Send(CommandOpcode::STATUS_REPORT_MASK, Bytes(mask.begin(), mask.end()));
}

uint8_t CommandBuilders::MUSIC_CONTROL(uint8_t link, uint8_t action) {
  return Send(CommandOpcode::MUSIC_CONTROL, {link, action});
}

uint8_t CommandBuilders::CHANGE_DEVICE_NAME(const std::string& name) {
  if (name.size() > kMaxDeviceNameBytes) return kSendTooLong;
  return Send(CommandOpcode::CHANGE_DEVICE_NAME, HeadAndTail({}, name));
}

uint8_t CommandBuilders::SET_PAIRING_TIMEOUT(uint8_t units_of_30s) {
  return Send(CommandOpcode::SET_PAIRING_TIMEOUT, {units_of_30s});
}

uint8_t CommandBuilders::READ_BTM_VERSION(uint8_t which) {
  return Send(CommandOpcode::READ_BTM_VERSION, {which});
}

uint8_t CommandBuilders::VENDOR_AT_COMMAND(uint8_t link, const std::string& command) {
  if (command.size() > kMaxAtCommandBytes) return kSendTooLong;
  return Send(CommandOpcode::VENDOR_AT_COMMAND, HeadAndTail({link}, command));
}

uint8_t CommandBuilders::AVC_SPECIFIC_COMMAND(uint8_t link, uint8_t pdu_id,
                                              const Bytes& parameters) {
  const std::size_t count = parameters.size();
  return Send(CommandOpcode::AVC_SPECIFIC_COMMAND,
              HeadAndTail({link, pdu_id, 0x00, High(count), Low(count)}, parameters));
}

uint8_t CommandBuilders::AVRCP_GROUP_NAVIGATION(uint8_t link, uint8_t direction) {
  return Send(CommandOpcode::AVRCP_GROUP_NAVIGATION, {link, direction});
}

uint8_t CommandBuilders::INFO_QUERY_0D() { return Send(CommandOpcode::INFO_QUERY_0D, {0x00}); }
uint8_t CommandBuilders::INFO_QUERY_0E() { return Send(CommandOpcode::INFO_QUERY_0E, {0x00}); }
uint8_t CommandBuilders::INFO_QUERY_0F() { return Send(CommandOpcode::INFO_QUERY_0F, {0x00}); }
uint8_t CommandBuilders::INFO_QUERY_10() { return Send(CommandOpcode::INFO_QUERY_10, {0x00}); }

uint8_t CommandBuilders::SET_PHONEBOOK_ACCESS(uint8_t flag) {
  return Send(CommandOpcode::SET_PHONEBOOK_ACCESS, {flag});
}

uint8_t CommandBuilders::SEND_SPP_DATA(uint8_t link, uint8_t packet_type, uint16_t total_length,
                                       const Bytes& payload) {
  if (payload.size() > kMaxSppPayload) return kSendTooLong;
  const std::size_t count = payload.size();
  return Send(CommandOpcode::SEND_SPP_DATA,
              HeadAndTail({link, packet_type, High(total_length), Low(total_length), High(count),
                           Low(count)},
                          payload));
}

uint8_t CommandBuilders::MISC_CONTROL(uint8_t sub_command, uint8_t value) {
  return Send(CommandOpcode::MISC_CONTROL, {sub_command, value});
}

uint8_t CommandBuilders::EVENT_ACK(uint8_t event_opcode) {
  return Send(CommandOpcode::EVENT_ACK, {event_opcode});
}

uint8_t CommandBuilders::CONNECT_PROFILE(uint8_t link, uint8_t profile) {
  return Send(CommandOpcode::CONNECT_PROFILE, {link, profile});
}

uint8_t CommandBuilders::READ_LINKED_DEVICE_INFO(uint8_t link, uint8_t item) {
  return Send(CommandOpcode::READ_LINKED_DEVICE_INFO, {link, item});
}

uint8_t CommandBuilders::PROFILE_LINK_BACK(uint8_t profile) {
  return Send(CommandOpcode::PROFILE_LINK_BACK, {profile});
}

uint8_t CommandBuilders::PROFILE_LINK_BACK_DEDICATE(uint8_t paired_index, uint8_t profile_flags) {
  return Send(CommandOpcode::PROFILE_LINK_BACK, {0x04, paired_index, profile_flags});
}

uint8_t CommandBuilders::DISCONNECT(uint8_t profile_mask) {
  return Send(CommandOpcode::DISCONNECT, {profile_mask});
}

uint8_t CommandBuilders::SET_EQ_MODE(uint8_t mode) {
  return Send(CommandOpcode::SET_EQ_MODE, {mode, 0xFF});
}

uint8_t CommandBuilders::SET_NOISE_REDUCTION(uint8_t code) {
  return Send(CommandOpcode::SET_NOISE_REDUCTION, {code});
}

uint8_t CommandBuilders::GPIO_CONTROL(const std::array<uint8_t, 12>& groups) {
  return Send(CommandOpcode::GPIO_CONTROL, Bytes(groups.begin(), groups.end()));
}

uint8_t CommandBuilders::SET_UART_BUFFER_SIZE(uint16_t size) {
  return Send(CommandOpcode::SET_UART_BUFFER_SIZE, {High(size), Low(size)});
}

uint8_t CommandBuilders::TTS_DATA_START() { return Send(CommandOpcode::TTS_DATA, {0x00, 0x01}); }

uint8_t CommandBuilders::TTS_DATA_CHUNK(uint8_t chunk_kind, const Bytes& data) {
  if (data.size() > kMaxTtsChunk) return kSendTooLong;
  return Send(CommandOpcode::TTS_DATA, HeadAndTail({0x01, chunk_kind}, data));
}

uint8_t CommandBuilders::GAIN_CONTROL(uint8_t link, uint8_t gain_mask, uint8_t operation,
                                      uint8_t a2dp_level, uint8_t hf_level,
                                      uint8_t line_in_level) {
  return Send(CommandOpcode::GAIN_CONTROL,
              {link, gain_mask, operation, a2dp_level, hf_level, line_in_level});
}

uint8_t CommandBuilders::READ_BTM_SETTING(uint8_t item) {
  return Send(CommandOpcode::READ_BTM_SETTING, {item, 0x00});
}

uint8_t CommandBuilders::ANCS_CONTROL_SEARCH() { return Send(CommandOpcode::ANCS_CONTROL, {0x00}); }

uint8_t CommandBuilders::ANCS_CONTROL_SUBSCRIBE(bool subscribe) {
  return Send(CommandOpcode::ANCS_CONTROL, {0x01, static_cast<uint8_t>(subscribe ? 0x01 : 0x00)});
}

uint8_t CommandBuilders::ANCS_CONTROL_NOTIFICATION(const Bytes& notification) {
  if (notification.size() > kMaxAncsNotification) return kSendTooLong;
  return Send(CommandOpcode::ANCS_CONTROL, HeadAndTail({0x02}, notification));
}

uint8_t CommandBuilders::LE_CONTROL_QUERY_STATUS() { return Send(CommandOpcode::LE_CONTROL, {0x00}); }

uint8_t CommandBuilders::LE_CONTROL_ADVERTISING(bool enable) {
  return Send(CommandOpcode::LE_CONTROL, {0x01, static_cast<uint8_t>(enable ? 0x01 : 0x00)});
}

uint8_t CommandBuilders::LE_CONTROL_CONNECTION_UPDATE(uint16_t interval_min,
                                                      uint16_t interval_max, uint16_t latency,
                                                      uint16_t supervision_timeout) {
  return Send(CommandOpcode::LE_CONTROL,
              {0x02, High(interval_min), Low(interval_min), High(interval_max), Low(interval_max),
               High(latency), Low(latency), High(supervision_timeout), Low(supervision_timeout)});
}

uint8_t CommandBuilders::LE_CONTROL_ADVERTISING_INTERVAL(uint16_t interval) {
  return Send(CommandOpcode::LE_CONTROL, {0x03, High(interval), Low(interval)});
}

uint8_t CommandBuilders::SPEAKER_VENDOR_COMMAND(uint8_t type, const Bytes& data) {
  if (data.size() > kMaxSpeakerVendorData) return kSendTooLong;
  const std::size_t count = data.size();
  return Send(CommandOpcode::SPEAKER_VENDOR_COMMAND,
              HeadAndTail({type, High(count), Low(count)}, data));
}

uint8_t CommandBuilders::AUDIO_EFFECT_SYNC(uint8_t effect_type, uint8_t effect_value) {
  return Send(CommandOpcode::AUDIO_EFFECT_SYNC, {effect_type, effect_value});
}
