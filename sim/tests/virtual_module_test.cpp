// The virtual module against the real command layer over its pseudo-terminal.
#include "sim/virtual_module.h"

#include "link/packet.h"
#include "link/uart.h"
#include "sim/phonebook_cards.h"
#include "sim/tests/module_host.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;
using std::chrono::duration_cast;
using std::chrono::milliseconds;

constexpr std::uint8_t kEventAck = 0x14;

ModuleConfig WithScript(const std::string& text) {
  ModuleConfig config;
  std::string error;
  EXPECT_TRUE(ParseScript(text, config.script, error)) << error;
  return config;
}

Bytes Command(std::uint8_t opcode, const Bytes& params) {
  Bytes out;
  EXPECT_TRUE(packet::BuildCommand(opcode, params.data(), params.size(), false, out));
  return out;
}

milliseconds Between(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return duration_cast<milliseconds>(b - a);
}

TEST(VirtualModule, ConfiguredAckStatusesArriveAndARefusedCommandChangesNothing) {
  ModuleConfig config;
  config.ack_status = {{0x08, 0x04}, {0x02, 0x01}};
  Connected c(config);
  ASSERT_TRUE(c.Ready());

  c.host.layer.READ_BTM_VERSION(0x01);
  c.host.layer.MMI_ACTION(0x00, 0x04);
  c.host.layer.INFO_QUERY_0E();
  const std::vector<HostEvent> expected = {
      Ev(COMMAND_ACK, "08 04"), Ev(COMMAND_ACK, "02 01"), Ev(COMMAND_ACK, "0E 00"),
      Ev(LOCAL_NAME, "09 42 54 4D 20 41 75 64 69 6F")};  // "BTM Audio"
  EXPECT_EQ(c.host.events.WaitFor(expected.size()), expected);
  EXPECT_EQ(c.host.events.WaitFor(expected.size() + 1, 300ms), expected);  // no BTM_VERSION, no call
}

TEST(VirtualModule, ACommandLeftWithoutAckMakesTheHostWaitOutItsPacing) {
  ModuleConfig config;
  config.no_ack = {0x0D};
  Connected c(config);
  ASSERT_TRUE(c.Ready());

  c.host.layer.INFO_QUERY_0D();
  c.host.layer.INFO_QUERY_0F();
  c.host.layer.INFO_QUERY_10();
  const auto commands = Only(c.sim.commands.WaitUntil(
      [](const auto& seen) { return CountOf(seen, false) >= 3; }), false);
  ASSERT_EQ(commands.size(), 3u);
  const milliseconds unanswered = Between(commands[0].when, commands[1].when);
  const milliseconds answered = Between(commands[1].when, commands[2].when);
  EXPECT_GE(unanswered, 1400ms);  // the host's 1600 ms Command-ACK time-out
  EXPECT_LE(unanswered, 3100ms);
  EXPECT_LT(answered, 1000ms);
  for (const HostEvent& e : c.host.events.Now()) EXPECT_NE(e, Ev(COMMAND_ACK, "0D 00"));
}

TEST(VirtualModule, AScriptPlaysInOrderFromTheHostsOpeningAndEveryEventIsAcknowledged) {
  RecordedModule sim(WithScript(
      "300 BTM_STATUS 02 00\n"
      "0   raw AA 00 03 02 00 02 F0       # checksum off: the host drops it, owes nothing\n"
      "10  CALL_STATUS 00 02\n"
      "0   CALLER_ID 00 00 \"0701\"\n"
      "50  raw AA 00 08 1E 06 1A 00 00 00 00 00 BA\n"
      "0   quit\n"));
  ASSERT_TRUE(sim.started);
  std::this_thread::sleep_for(400ms);  // a script timed from the start would be over by now
  Host host(sim.module.DevicePath());
  ASSERT_EQ(host.opened, 0);

  const std::vector<HostEvent> expected = {
      Ev(BTM_STATUS, "02 00"), Ev(CALL_STATUS, "00 02"),
      Ev(CALLER_ID, "00 05 30 37 30 31"),  // the host's decoder puts its count in c1
      Ev(LINK_STATUS_REPORT, "06 1A 00 00 00 00 00")};
  const std::vector<HostEvent> events = host.events.WaitFor(expected.size());
  EXPECT_EQ(events, expected);
  ASSERT_FALSE(events.empty());
  EXPECT_GE(Between(host.opened_at, events[0].when), 250ms);

  ASSERT_TRUE(sim.module.WaitForQuit(10s));
  const EventAckReport report = sim.module.AckReport();  // quit waits for the Event ACKs
  EXPECT_EQ(report.events_sent, 4u);
  EXPECT_EQ(report.acknowledged, 4u);
  EXPECT_TRUE(report.Balanced()) << report.Describe();
  std::vector<Bytes> acks;
  const auto all = sim.commands.WaitUntil([](const auto& seen) { return CountOf(seen, true) >= 4; });
  for (const ReceivedCommand& c : Only(all, true)) acks.push_back(c.params);
  EXPECT_EQ(acks, (std::vector<Bytes>{{0x01}, {0x02}, {0x03}, {0x1E}}));
}

TEST(VirtualModule, EventsSentOnDemandFollowTheAnswersAlreadyDueAndAreOwedEventAcks) {
  Connected c;
  ASSERT_TRUE(c.Ready());

  c.host.layer.MMI_ACTION(0x00, 0x04);  // answered by the Command ACK and CALL_STATUS
  ASSERT_EQ(c.host.events.WaitFor(2).size(), 2u);
  std::thread other([&c] {  // any thread may ask
    EXPECT_TRUE(c.sim.module.SendEvent(BTM_STATUS, Hex("05 00")));
    c.sim.module.SendRaw(Concat({Hex("AA 00 03 02 00 02 F0"),  // checksum off: owed nothing
                                 Hex("AA 00 03 02 01 02 F8")}));
  });
  other.join();
  EXPECT_FALSE(c.sim.module.SendEvent(LOCAL_NAME, Bytes(packet::kMaxEventParameters + 1)));

  const std::vector<HostEvent> expected = {Ev(COMMAND_ACK, "02 00"), Ev(CALL_STATUS, "00 04"),
                                           Ev(BTM_STATUS, "05 00"), Ev(CALL_STATUS, "01 02")};
  EXPECT_EQ(c.host.events.WaitFor(expected.size()), expected);
  EXPECT_EQ(c.host.events.WaitFor(expected.size() + 1, 300ms), expected);
  c.sim.commands.WaitUntil([](const auto& seen) { return CountOf(seen, true) >= 3; });
  const EventAckReport report = c.sim.module.AckReport();
  EXPECT_EQ(report.events_sent, 3u);
  EXPECT_EQ(report.acknowledged, 3u);
  EXPECT_TRUE(report.Balanced()) << report.Describe();
}

TEST(VirtualModule, ACommandWithABadChecksumIsLeftUnansweredAndTheNextIsFramed) {
  Connected c;
  ASSERT_TRUE(c.Ready());

  Bytes bad = Command(0x02, Hex("00 51"));  // power on, but damaged
  bad.back() ^= 0x01;
  const Bytes run = Concat({bad, Command(0x10, Hex("00"))});
  c.host.layer.Channel()->Write(run.data(), static_cast<unsigned>(run.size()));

  const std::vector<HostEvent> expected = {Ev(COMMAND_ACK, "10 00"),
                                           Ev(LOCAL_ADDRESS, "13 71 DA 7D 1A 00")};
  EXPECT_EQ(c.host.events.WaitFor(expected.size()), expected);
  EXPECT_EQ(c.host.events.WaitFor(expected.size() + 1, 300ms), expected);
  EXPECT_EQ(c.sim.module.IgnoredPackets(), 1u);
  const auto commands = Only(c.sim.commands.Now(), false);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].opcode, 0x10);
}

TEST(VirtualModule, CountsTheEventAcksAHostOwesAndThoseThatAnswerNothing) {
  RecordedModule sim(WithScript("300 BTM_STATUS 02 00\n0 CALL_STATUS 00 02\n0 CALL_STATUS 00 04\n"));
  ASSERT_TRUE(sim.started);
  Arrivals<Bytes> packets;
  CUART host(sim.module.DevicePath(), 115200, 0);  // a host with no decoder: it acknowledges nothing
  host.SetPacketCallback([&packets](unsigned char* p, unsigned int n) {
    packets.Add(Bytes(p, p + n));
    return true;
  });
  ASSERT_EQ(host.Open(sim.module.DevicePath()), 0);
  ASSERT_EQ(packets.WaitFor(3).size(), 3u);

  for (const std::uint8_t opcode : Hex("02 33")) {
    const Bytes ack = Command(kEventAck, {opcode});
    host.Write(ack.data(), static_cast<unsigned>(ack.size()));
  }
  sim.commands.WaitFor(2);
  const EventAckReport report = sim.module.AckReport();
  EXPECT_EQ(report.events_sent, 3u);
  EXPECT_EQ(report.acknowledged, 1u);
  EXPECT_EQ(report.missing[BTM_STATUS], 1u);
  EXPECT_EQ(report.missing[CALL_STATUS], 1u);
  EXPECT_EQ(report.unexpected[ECSB_LINK_STATUS], 1u);
  EXPECT_FALSE(report.Balanced());
}

TEST(VirtualModule, AHostThatLeavesMidPacketAndComesBackIsAnsweredAgain) {
  RecordedModule sim;
  ASSERT_TRUE(sim.started);
  {
    Host first(sim.module.DevicePath());
    ASSERT_EQ(first.opened, 0);
    first.layer.INFO_QUERY_10();
    ASSERT_EQ(first.events.WaitFor(2).size(), 2u);
    const Bytes half = Hex("AA 00 05 02");
    first.layer.Channel()->Write(half.data(), static_cast<unsigned>(half.size()));
    sim.commands.WaitFor(100, 200ms);
  }  // closed with half a packet sent
  Host second(sim.module.DevicePath());
  ASSERT_EQ(second.opened, 0) << "the port must open again after a host closed it";
  second.layer.READ_BTM_VERSION(0x00);
  const std::vector<HostEvent> expected = {Ev(COMMAND_ACK, "08 00"), Ev(BTM_VERSION, "00 01 06")};
  EXPECT_EQ(second.events.WaitFor(expected.size()), expected);
  EXPECT_EQ(sim.module.IgnoredPackets(), 1u);  // the half packet
}

TEST(VirtualModule, PowerOnConnectsDeviceAAfterItsDelay) {
  Connected c;
  ASSERT_TRUE(c.Ready());

  c.host.layer.MMI_ACTION(0x00, 0x51);
  const std::vector<HostEvent> expected = {
      Ev(COMMAND_ACK, "02 00"), Ev(BTM_STATUS, "02 00"),
      Ev(LINK_STATUS_REPORT, "07 00 00 00 00 00 00"), Ev(BTM_STATUS, "05 00"),
      Ev(BTM_STATUS, "06 00"), Ev(LINK_STATUS_REPORT, "06 1A 00 00 00 00 00")};
  const std::vector<HostEvent> events = c.host.events.WaitFor(expected.size());
  ASSERT_EQ(events, expected);
  EXPECT_GE(Between(events[1].when, events[3].when), 250ms);
}

TEST(VirtualModule, ThePhoneBookCrossesTheLinkInPiecesThatJoinToTheCards) {
  Connected c;
  ASSERT_TRUE(c.Ready());

  c.host.layer.MMI_ACTION(0x00, 0x64);
  const auto events = c.host.events.WaitUntil([](const std::vector<HostEvent>& e) {
    return !e.empty() && e.back().opcode == PHONEBOOK_RETRIEVED;
  });
  ASSERT_GE(events.size(), 4u);  // the Command ACK, two pieces or more, the end
  std::string cards;
  for (std::size_t i = 1; i + 1 < events.size(); ++i) {
    EXPECT_EQ(events[i].opcode, 0x15);
    cards.append(events[i].params.begin(), events[i].params.end());
  }
  EXPECT_EQ(cards, phonebook_cards::Contacts());
  EXPECT_EQ(events.back(), Ev(PHONEBOOK_RETRIEVED, "15 00"));
}

}  // namespace
