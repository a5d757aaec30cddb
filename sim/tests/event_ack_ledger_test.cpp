#include "sim/event_ack_ledger.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;

TEST(EventAckLedger, CountsPerOpcodeWhatIsOwedAndWhatAnswersNothing) {
  EventAckLedger ledger;
  for (const int opcode : {0x01, 0x01, 0x02, 0x00}) ledger.Sent(static_cast<std::uint8_t>(opcode));
  ledger.Acknowledged(0x01);
  ledger.Acknowledged(0x33);  // never sent

  const EventAckReport report = ledger.Report();
  EXPECT_EQ(report.events_sent, 3u);  // the Command ACK is never owed an Event ACK
  EXPECT_EQ(report.acknowledged, 1u);
  EXPECT_EQ(report.missing[0x01], 1u);
  EXPECT_EQ(report.missing[0x02], 1u);
  EXPECT_EQ(report.MissingCount(), 2u);
  EXPECT_EQ(report.unexpected[0x33], 1u);
  EXPECT_FALSE(report.Balanced());
  EXPECT_EQ(report.Describe(),
            "btm-sim: 3 events sent, 1 acknowledged, 2 Event ACKs missing\n"
            "btm-sim:   no Event ACK for 1 x BTM_STATUS (0x01)\n"
            "btm-sim:   no Event ACK for 1 x CALL_STATUS (0x02)\n"
            "btm-sim:   1 Event ACKs for ECSB_LINK_STATUS (0x33) that answer no event sent\n");
}

TEST(EventAckLedger, WaitUntilSettledReturnsOnceTheLastEventIsAnswered) {
  EventAckLedger ledger;
  ledger.Sent(0x19);
  EXPECT_FALSE(ledger.WaitUntilSettled(10ms));
  std::thread host([&ledger] {
    std::this_thread::sleep_for(20ms);
    ledger.Acknowledged(0x19);
  });
  EXPECT_TRUE(ledger.WaitUntilSettled(5s));
  host.join();
  EXPECT_TRUE(ledger.Report().Balanced());
}

}  // namespace
