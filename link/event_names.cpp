#include "link/event_names.h"

#include "link/event_types.h"

#include <iterator>

namespace {

struct NamedEvent {
  const char* name;
  event_type_ opcode;
};

#define NAMED_EVENT(identifier) {#identifier, identifier}

const NamedEvent kEvents[] = {
    NAMED_EVENT(COMMAND_ACK),          NAMED_EVENT(BTM_STATUS),
    NAMED_EVENT(CALL_STATUS),          NAMED_EVENT(CALLER_ID),
    NAMED_EVENT(SMS_INDICATION),       NAMED_EVENT(MISSED_CALL_INDICATION),
    NAMED_EVENT(PHONE_MAX_BATTERY_LEVEL), NAMED_EVENT(PHONE_BATTERY_LEVEL),
    NAMED_EVENT(PHONE_ROAMING),        NAMED_EVENT(PHONE_MAX_SIGNAL_STRENGTH),
    NAMED_EVENT(PHONE_SIGNAL_STRENGTH), NAMED_EVENT(PHONE_SERVICE_STATUS),
    NAMED_EVENT(BTM_BATTERY_STATUS),   NAMED_EVENT(BTM_CHARGING_STATUS),
    NAMED_EVENT(RESET_TO_DEFAULT_OK),  NAMED_EVENT(HF_GAIN_LEVEL),
    NAMED_EVENT(EQ_MODE),              NAMED_EVENT(PHONEBOOK_DATA),
    NAMED_EVENT(PHONEBOOK_RETRIEVED),  NAMED_EVENT(LINKED_DEVICE_INFO),
    NAMED_EVENT(BTM_VERSION),          NAMED_EVENT(AVC_RESPONSE),
    NAMED_EVENT(BTM_MISC_STATUS),      NAMED_EVENT(AT_COMMAND_RESULT),
    NAMED_EVENT(AT_RESPONSE_TEXT),     NAMED_EVENT(LINK_STATUS_REPORT),
    NAMED_EVENT(PAIRED_DEVICE_LIST),   NAMED_EVENT(LOCAL_ADDRESS),
    NAMED_EVENT(LOCAL_NAME),           NAMED_EVENT(SPP_DATA),
    NAMED_EVENT(AUDIO_SAMPLE_RATE),    NAMED_EVENT(BTM_SETTING),
    NAMED_EVENT(UPDATE_BIN_STATUS),    NAMED_EVENT(BTM_INIT_COMPLETE),
    NAMED_EVENT(ANCS_INDICATION),      NAMED_EVENT(LE_STATUS),
    NAMED_EVENT(ECSB_LINK_STATUS),     NAMED_EVENT(SPEAKER_VENDOR_EVENT),
};

#undef NAMED_EVENT

}  // namespace

std::optional<std::uint8_t> EventOpcodeByName(const std::string& name) {
  for (const NamedEvent& event : kEvents) {
    if (name == event.name) return event.opcode;
  }
  return std::nullopt;
}

const char* EventName(std::uint8_t opcode) {
  for (const NamedEvent& event : kEvents) {
    if (event.opcode == opcode) return event.name;
  }
  return nullptr;
}
