// The virtual module's answers to commands (the rule format is in behaviour.h). Values are
// those of a plausible module: a speaker "BTM Audio" with two paired phones, "Ada's phone"
// on Device A (connected after power-on) and "Ben's phone" on Device B.
//
// TTS_DATA, INFO_QUERY_0D and every other command without a rule get the Command ACK alone.

#include "sim/behaviour.h"

#include "sim/phonebook_cards.h"
#include "sim/vcard_split.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kPhonebookRetrieved = 0x16;
constexpr std::size_t kLargestPhonebookPiece = 160;

// The phone-book text in PHONEBOOK_DATA events of the given opcode, cut at irregular
// places as the module's buffer fills, then PHONEBOOK_RETRIEVED for that list.
RuleAction SendPhonebook(std::uint8_t data_opcode, const std::string& (*text)()) {
  return [data_opcode, text](ModuleState&, const SimBytes&, std::vector<SimEvent>& out) {
    const std::string& cards = text();
    for (const std::string& piece :
         SplitAt(cards, ArbitraryCuts(cards.size(), kLargestPhonebookPiece, data_opcode))) {
      out.push_back({0, data_opcode, SimBytes(piece.begin(), piece.end())});
    }
    out.push_back({0, kPhonebookRetrieved, {data_opcode, 0x00}});
  };
}

// GAIN_CONTROL link, mask (0x01 A2DP, 0x02 HF, 0x04 line-in), operation (1 up, 2 down,
// 3 set), then the A2DP, HF and line-in levels; "set" applies each level marked by 0x80.
void ApplyGainControl(ModuleState& state, const SimBytes& p, std::vector<SimEvent>&) {
  if (p.size() < 6) return;
  std::uint8_t* const levels[3] = {&state.a2dp_gain, &state.hf_gain, &state.line_in_gain};
  for (int i = 0; i < 3; ++i) {
    std::uint8_t& level = *levels[i];
    const std::uint8_t given = p[3 + i];
    if (p[2] == 0x03 && (given & 0x80) != 0) {
      level = std::min<std::uint8_t>(given & 0x7F, 15);
    } else if ((p[1] & (1u << i)) != 0 && p[2] == 0x01) {
      level = std::min<std::uint8_t>(static_cast<std::uint8_t>(level + 1), 15);
    } else if ((p[1] & (1u << i)) != 0 && p[2] == 0x02 && level > 0) {
      --level;
    }
  }
}

using Events = std::vector<const char*>;

const Events kPowerOff = {"BTM_STATUS 07 00", "BTM_STATUS 08 00", "BTM_STATUS 00 00",
                          "LINK_STATUS_REPORT 00 00 00 00 00 00 00"};
const Events kDeviceAConnects = {"BTM_STATUS 05 00", "BTM_STATUS 06 00",
                                 "LINK_STATUS_REPORT 06 1A 00 00 00 00 00"};
const Events kOutgoingCall = {"CALL_STATUS $0 03", "1500 CALL_STATUS $0 04"};

}  // namespace

const std::vector<BehaviourRule>& BehaviourRules() {
  static const std::vector<BehaviourRule> rules = {
      // The module and its phones.
      {"READ_BTM_VERSION 00", {"BTM_VERSION 00 01 06"}},  // UART v1.06
      {"READ_BTM_VERSION 01", {"BTM_VERSION 01 02 15"}},  // firmware v2.15
      {"INFO_QUERY_0E", {R"(LOCAL_NAME 09 "BTM Audio")"}},
      {"INFO_QUERY_10", {"LOCAL_ADDRESS 13 71 DA 7D 1A 00"}},  // 00:1A:7D:DA:71:13
      {"INFO_QUERY_0F", {"PAIRED_DEVICE_LIST 02  01 33 22 11 A0 2C 48  02 66 55 44 F9 5C 9C"}},
      {"READ_LINKED_DEVICE_INFO 00 00", {R"(LINKED_DEVICE_INFO 00 00 "Ada's phone" 00)"}},
      {"READ_LINKED_DEVICE_INFO 01 00", {R"(LINKED_DEVICE_INFO 01 00 "Ben's phone" 00)"}},
      {"READ_LINKED_DEVICE_INFO ?? 01", {"LINKED_DEVICE_INFO $0 01 01"}},  // in-band ring tone
      {"READ_LINKED_DEVICE_INFO ?? 02", {"LINKED_DEVICE_INFO $0 02 00"}},  // standard SPP
      {"READ_LINKED_DEVICE_INFO ?? 03", {"LINKED_DEVICE_INFO $0 03 01"}},  // AVRCP 1.5
      {"READ_LINKED_DEVICE_INFO ?? 04", {"LINKED_DEVICE_INFO $0 04 {hf_a2dp_gain}"}},
      {"READ_LINKED_DEVICE_INFO ?? 05", {"LINKED_DEVICE_INFO $0 05 {line_in_gain}"}},
      {"GAIN_CONTROL",
       {"LINKED_DEVICE_INFO $0 04 {hf_a2dp_gain}", "LINKED_DEVICE_INFO $0 05 {line_in_gain}"},
       ApplyGainControl},
      {"READ_BTM_SETTING 00", {"BTM_SETTING 00 0A"}},  // pairing time-out 10 x 30 s
      {"READ_BTM_SETTING 01", {"BTM_SETTING 01 03"}},  // codecs SBC and AAC
      {"READ_BTM_SETTING 02", {"BTM_SETTING 02 01"}},  // standby mode enabled

      // Power, pairing and profile links (link id in the high nibble, device in the low).
      {"MMI_ACTION ?? 51",  // power on; Device A's phone connects 300 ms later
       {"BTM_STATUS 02 00", "LINK_STATUS_REPORT 07 00 00 00 00 00 00", "300 BTM_STATUS 05 00",
        "BTM_STATUS 06 00", "LINK_STATUS_REPORT 06 1A 00 00 00 00 00"}},
      {"MMI_ACTION ?? 53", kPowerOff},
      {"MMI_ACTION ?? 5E", kPowerOff},
      {"MMI_ACTION ?? 5D", {"BTM_STATUS 01 00", "LINK_STATUS_REPORT 01 00 00 00 00 00 00"}},
      {"MMI_ACTION ?? 6B", {"BTM_STATUS 0F 00", "LINK_STATUS_REPORT 02 00 00 00 00 00 00"}},
      {"PROFILE_LINK_BACK", kDeviceAConnects},
      {"CONNECT_PROFILE 00 00", {"BTM_STATUS 05 00", "LINK_STATUS_REPORT 03 10 00 00 00 00 00"}},
      {"CONNECT_PROFILE 01 00", {"BTM_STATUS 05 11", "LINK_STATUS_REPORT 03 00 10 00 00 00 00"}},
      {"CONNECT_PROFILE 00 01", {"BTM_STATUS 06 00", "LINK_STATUS_REPORT 04 0A 00 00 00 00 00"}},
      {"CONNECT_PROFILE 01 01", {"BTM_STATUS 06 11", "LINK_STATUS_REPORT 04 00 0A 00 00 00 00"}},
      {"CONNECT_PROFILE 00 02", {"BTM_STATUS 0D 00", "LINK_STATUS_REPORT 05 20 00 00 00 00 00"}},
      {"CONNECT_PROFILE 01 02", {"BTM_STATUS 0D 11", "LINK_STATUS_REPORT 05 00 20 00 00 00 00"}},
      {"DISCONNECT 0F",
       {"BTM_STATUS 07 00", "BTM_STATUS 08 00", "BTM_STATUS 0E 00", "BTM_STATUS 0F 00",
        "LINK_STATUS_REPORT 02 00 00 00 00 00 00"}},
      {"DISCONNECT 02", {"BTM_STATUS 07 00", "LINK_STATUS_REPORT 04 0A 00 00 00 00 00"}},
      {"DISCONNECT 04", {"BTM_STATUS 08 00", "LINK_STATUS_REPORT 03 10 00 00 00 00 00"}},
      {"DISCONNECT 08", {"BTM_STATUS 0E 00", "LINK_STATUS_REPORT 06 1A 00 00 00 00 00"}},

      // Calls (the far end answers a dialled call after 1.5 s).
      {"MAKE_CALL", kOutgoingCall},
      {"MAKE_EXTENSION_CALL", kOutgoingCall},
      {"MMI_ACTION ?? 0C", kOutgoingCall},            // redial
      {"MMI_ACTION ?? 04", {"CALL_STATUS $0 04"}},    // answer: call active
      {"MMI_ACTION ?? 05", {"CALL_STATUS $0 00"}},    // reject
      {"MMI_ACTION ?? 02", {"CALL_STATUS $0 00"}},    // end
      {"MMI_ACTION ?? 0D", {"CALL_STATUS $0 06"}},    // hold: active with held call

      // Phone book and call histories.
      {"MMI_ACTION ?? 64", {}, SendPhonebook(0x15, phonebook_cards::Contacts)},
      {"MMI_ACTION ?? 65", {}, SendPhonebook(0x11, phonebook_cards::MissedCalls)},
      {"MMI_ACTION ?? 66", {}, SendPhonebook(0x12, phonebook_cards::ReceivedCalls)},
      {"MMI_ACTION ?? 67", {}, SendPhonebook(0x13, phonebook_cards::DialledCalls)},
      {"MMI_ACTION ?? 68", {}, SendPhonebook(0x14, phonebook_cards::CombinedCalls)},

      // Data and LE.
      {"SEND_SPP_DATA", {"SPP_DATA $*"}},  // the far end echoes what it receives
      {"LE_CONTROL 00", {"LE_STATUS 00 01 00"}},  // advertising
      {"LE_CONTROL 01 01", {"LE_STATUS 01 00", "LE_STATUS 00 01 00"}},
      {"LE_CONTROL 01 00", {"LE_STATUS 01 00", "LE_STATUS 00 00 00"}},
      // Accepted; reports the interval bounds and the supervision time-out it was given.
      {"LE_CONTROL 02", {"LE_STATUS 03 00 00", "LE_STATUS 02 $1 $2 $3 $4 $7 $8"}},
      {"LE_CONTROL 03", {"LE_STATUS 01 00"}},
  };
  return rules;
}
