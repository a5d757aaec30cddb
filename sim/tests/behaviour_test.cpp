#include "sim/behaviour.h"

#include "link/command_builders.h"
#include "link/event_rules.h"
#include "link/event_types.h"
#include "link/tests/hex_bytes.h"
#include "sim/phonebook_cards.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::uint8_t Op(CommandOpcode opcode) { return static_cast<std::uint8_t>(opcode); }

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Commands as the console sends them, one or more per rule of the table.
struct Sample {
  CommandOpcode command;
  Bytes params;
};

const Sample kSamples[] = {
    {CommandOpcode::READ_BTM_VERSION, Hex("00")},
    {CommandOpcode::READ_BTM_VERSION, Hex("01")},
    {CommandOpcode::INFO_QUERY_0E, Hex("00")},
    {CommandOpcode::INFO_QUERY_0F, Hex("00")},
    {CommandOpcode::INFO_QUERY_10, Hex("00")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("00 00")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("01 00")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("01 01")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("00 02")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("00 03")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("00 04")},
    {CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("00 05")},
    {CommandOpcode::GAIN_CONTROL, Hex("00 07 03 8F 8F 8F")},
    {CommandOpcode::READ_BTM_SETTING, Hex("00 00")},
    {CommandOpcode::READ_BTM_SETTING, Hex("01 00")},
    {CommandOpcode::READ_BTM_SETTING, Hex("02 00")},
    {CommandOpcode::MMI_ACTION, Hex("00 51")},
    {CommandOpcode::MMI_ACTION, Hex("00 53")},
    {CommandOpcode::MMI_ACTION, Hex("00 5E")},
    {CommandOpcode::MMI_ACTION, Hex("00 5D")},
    {CommandOpcode::MMI_ACTION, Hex("00 6B")},
    {CommandOpcode::PROFILE_LINK_BACK, Hex("00")},
    {CommandOpcode::PROFILE_LINK_BACK, Hex("04 02 07")},
    {CommandOpcode::CONNECT_PROFILE, Hex("00 00")},
    {CommandOpcode::CONNECT_PROFILE, Hex("01 01")},
    {CommandOpcode::CONNECT_PROFILE, Hex("01 02")},
    {CommandOpcode::DISCONNECT, Hex("0F")},
    {CommandOpcode::DISCONNECT, Hex("02")},
    {CommandOpcode::DISCONNECT, Hex("04")},
    {CommandOpcode::DISCONNECT, Hex("08")},
    {CommandOpcode::MAKE_CALL, Concat({Hex("01"), Text("0701740605")})},
    {CommandOpcode::MAKE_EXTENSION_CALL, Concat({Hex("00"), Text("42")})},
    {CommandOpcode::MMI_ACTION, Hex("01 0C")},
    {CommandOpcode::MMI_ACTION, Hex("01 04")},
    {CommandOpcode::MMI_ACTION, Hex("01 05")},
    {CommandOpcode::MMI_ACTION, Hex("00 02")},
    {CommandOpcode::MMI_ACTION, Hex("00 0D")},
    {CommandOpcode::MMI_ACTION, Hex("00 64")},
    {CommandOpcode::MMI_ACTION, Hex("00 65")},
    {CommandOpcode::MMI_ACTION, Hex("00 66")},
    {CommandOpcode::MMI_ACTION, Hex("00 67")},
    {CommandOpcode::MMI_ACTION, Hex("00 68")},
    {CommandOpcode::SEND_SPP_DATA, Concat({Hex("00 00 00 05 00 05"), Text("hello")})},
    {CommandOpcode::LE_CONTROL, Hex("00")},
    {CommandOpcode::LE_CONTROL, Hex("01 01")},
    {CommandOpcode::LE_CONTROL, Hex("01 00")},
    {CommandOpcode::LE_CONTROL, Hex("02 00 06 0C 80 00 00 00 0A")},
    {CommandOpcode::LE_CONTROL, Hex("03 00 A0")},
};

// The host's decoder drops an event whose values are out of range: every event the table
// makes must pass its checks, or the console would never see it.
TEST(Behaviour, EveryEventItSendsPassesTheHostsChecks) {
  Behaviour behaviour;
  for (const Sample& sample : kSamples) {
    const std::vector<SimEvent> events = behaviour.React(Op(sample.command), sample.params);
    EXPECT_FALSE(events.empty()) << "no answer to command " << int(Op(sample.command));
    for (const SimEvent& event : events) {
      Bytes content = event.params;
      content.resize(kEventContentSize, 0);
      EXPECT_TRUE(ApplyEventRule(event.opcode, event.params.size() + 1, content.data()))
          << "event " << int(event.opcode) << " for command " << int(Op(sample.command));
    }
  }
}

struct Answer {
  const char* name;
  CommandOpcode command;
  Bytes params;
  std::vector<SimEvent> events;
};

void PrintTo(const Answer& a, std::ostream* os) { *os << a.name; }

class BehaviourAnswer : public testing::TestWithParam<Answer> {};

TEST_P(BehaviourAnswer, IsTheTablesEvents) {
  Behaviour behaviour;
  EXPECT_EQ(behaviour.React(Op(GetParam().command), GetParam().params), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BehaviourAnswer,
    testing::Values(
        Answer{"Version", CommandOpcode::READ_BTM_VERSION, Hex("01"),
               {{0, BTM_VERSION, Hex("01 02 15")}}},
        Answer{"NameOfDeviceB", CommandOpcode::READ_LINKED_DEVICE_INFO, Hex("01 00"),
               {{0, LINKED_DEVICE_INFO, Concat({Hex("01 00"), Text("Ben's phone"), Hex("00")})}}},
        Answer{"AnswerCopiesTheLink", CommandOpcode::MMI_ACTION, Hex("01 04"),
               {{0, CALL_STATUS, Hex("01 04")}}},
        Answer{"DialThenTheFarEndAnswers", CommandOpcode::MAKE_CALL, Concat({Hex("00"), Text("123")}),
               {{0, CALL_STATUS, Hex("00 03")}, {1500, CALL_STATUS, Hex("00 04")}}},
        Answer{"SppEcho", CommandOpcode::SEND_SPP_DATA, Hex("01 00 00 02 00 02 41 42"),
               {{0, SPP_DATA, Hex("01 00 00 02 00 02 41 42")}}},
        Answer{"LeConnectionUpdate", CommandOpcode::LE_CONTROL, Hex("02 00 06 0C 80 00 00 00 0A"),
               {{0, LE_STATUS, Hex("03 00 00")}, {0, LE_STATUS, Hex("02 00 06 0C 80 00 0A")}}},
        Answer{"ParameterMissingReadsAsZero", CommandOpcode::MMI_ACTION, Hex("00 02"),
               {{0, CALL_STATUS, Hex("00 00")}}},
        Answer{"TtsDataHasNoEvents", CommandOpcode::TTS_DATA, Hex("00 01"), {}},
        Answer{"PowerOnThenDeviceAConnects", CommandOpcode::MMI_ACTION, Hex("00 51"),
               {{0, BTM_STATUS, Hex("02 00")},
                {0, LINK_STATUS_REPORT, Hex("07 00 00 00 00 00 00")},
                {300, BTM_STATUS, Hex("05 00")},
                {0, BTM_STATUS, Hex("06 00")},
                {0, LINK_STATUS_REPORT, Hex("06 1A 00 00 00 00 00")}}}),
    [](const testing::TestParamInfo<Answer>& p) { return p.param.name; });

// (HF << 4 | A2DP, line-in) as LINKED_DEVICE_INFO items 4 and 5 report them.
std::pair<std::uint8_t, std::uint8_t> ReadGains(Behaviour& behaviour) {
  const auto hf_a2dp = behaviour.React(Op(CommandOpcode::READ_LINKED_DEVICE_INFO), Hex("00 04"));
  const auto line_in = behaviour.React(Op(CommandOpcode::READ_LINKED_DEVICE_INFO), Hex("00 05"));
  return {hf_a2dp.at(0).params.at(2), line_in.at(0).params.at(2)};
}

TEST(Behaviour, GainControlChangesTheLevelsItsQueriesReport) {
  Behaviour behaviour;
  const auto gain = [&behaviour](const char* params) {
    return behaviour.React(Op(CommandOpcode::GAIN_CONTROL), Hex(params));
  };
  EXPECT_EQ(ReadGains(behaviour), std::make_pair(std::uint8_t{0x8A}, std::uint8_t{6}));

  // "Set" applies the levels marked with 0x80 (A2DP 3, line-in 12; HF unmarked) and reports.
  EXPECT_EQ(gain("01 05 03 83 05 8C"),
            (std::vector<SimEvent>{{0, LINKED_DEVICE_INFO, Hex("01 04 83")},
                                   {0, LINKED_DEVICE_INFO, Hex("01 05 0C")}}));
  gain("00 02 01 FF FF FF");  // HF up
  gain("00 01 02 FF FF FF");  // A2DP down
  EXPECT_EQ(ReadGains(behaviour), std::make_pair(std::uint8_t{0x92}, std::uint8_t{12}));

  gain("00 07 03 80 90 8F");  // A2DP 0, HF 16 (beyond a level: it stops at 15), line-in 15
  gain("00 06 01 FF FF FF");  // HF and line-in up at the top
  gain("00 01 02 FF FF FF");  // A2DP down at the bottom
  EXPECT_EQ(ReadGains(behaviour), std::make_pair(std::uint8_t{0xF0}, std::uint8_t{15}));
  EXPECT_EQ(gain("00 07").size(), 2u);  // too short to apply: only reported
  EXPECT_EQ(ReadGains(behaviour), std::make_pair(std::uint8_t{0xF0}, std::uint8_t{15}));
}

struct PhonebookCase {
  std::uint8_t action;
  std::uint8_t data_opcode;
  const std::string& (*text)();
};

class BehaviourPhonebook : public testing::TestWithParam<PhonebookCase> {};

TEST_P(BehaviourPhonebook, CardsArriveCutInPiecesThenTheListIsReportedRetrieved) {
  const PhonebookCase& c = GetParam();
  Behaviour behaviour;
  const std::vector<SimEvent> events = behaviour.React(Op(CommandOpcode::MMI_ACTION), {0x00, c.action});
  ASSERT_GE(events.size(), 3u);  // at least two pieces
  std::string joined;
  for (std::size_t i = 0; i + 1 < events.size(); ++i) {
    EXPECT_EQ(events[i].opcode, c.data_opcode);
    joined.append(events[i].params.begin(), events[i].params.end());
  }
  EXPECT_EQ(joined, c.text());
  EXPECT_EQ(events.back(), (SimEvent{0, PHONEBOOK_RETRIEVED, {c.data_opcode, 0x00}}));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BehaviourPhonebook,
    testing::Values(PhonebookCase{0x64, 0x15, phonebook_cards::Contacts},
                    PhonebookCase{0x65, 0x11, phonebook_cards::MissedCalls},
                    PhonebookCase{0x66, 0x12, phonebook_cards::ReceivedCalls},
                    PhonebookCase{0x67, 0x13, phonebook_cards::DialledCalls},
                    PhonebookCase{0x68, 0x14, phonebook_cards::CombinedCalls}));

TEST(Behaviour, AMalformedRuleIsRefusedNamingIt) {
  const std::vector<BehaviourRule> rules[] = {
      {{"MMI_ACTON ?? 04", {"CALL_STATUS $0 04"}}},
      {{"MMI_ACTION ?? 4G", {"CALL_STATUS $0 04"}}},
      {{"MMI_ACTION ?? 04", {"CALL_STATE $0 04"}}},
      {{"MMI_ACTION ?? 04", {"CALL_STATUS $x 04"}}},
      {{"MMI_ACTION ?? 04", {"CALL_STATUS {volume}"}}},
  };
  for (const auto& rule : rules) {
    try {
      Behaviour behaviour(rule);
      ADD_FAILURE() << "accepted " << rule[0].command << " / " << rule[0].events[0];
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(rule[0].command), std::string::npos) << e.what();
    }
  }
}

}  // namespace
