#include "link/packet.h"

#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

namespace {

struct BuildCase {
  const char* name;
  std::uint8_t opcode;
  Bytes parameters;
  bool fill_null;
  Bytes expected;
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

class BuildCommandTest : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildCommandTest, IsByteExact) {
  const BuildCase& c = GetParam();
  Bytes out;
  ASSERT_TRUE(packet::BuildCommand(c.opcode, c.parameters.data(), c.parameters.size(),
                                   c.fill_null, out));
  EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BuildCommandTest,
    testing::Values(
        BuildCase{"EventAckWithoutNull", 0x14, Hex("05"), false, Hex("AA 00 02 14 05 E5")},
        BuildCase{"EventAckWithNull", 0x14, Hex("05"), true, Hex("00 AA 00 02 14 05 E5")},
        BuildCase{"EventAckForOpcode01", 0x14, Hex("01"), false, Hex("AA 00 02 14 01 E9")},
        BuildCase{"NoParameters", 0x08, {}, false, Hex("AA 00 01 08 F7")},
        BuildCase{"SumWrapsToZero", 0x02, Hex("00 FE"), false, Hex("AA 00 03 02 00 FE FD")}),
    [](const testing::TestParamInfo<BuildCase>& p) { return p.param.name; });

TEST(BuildCommand, LengthFieldIsBigEndianForLongParameterRuns) {
  const Bytes parameters(300, 0x01);
  Bytes out;
  ASSERT_TRUE(packet::BuildCommand(0x0B, parameters.data(), parameters.size(), false, out));
  ASSERT_EQ(out.size(), 305u);
  EXPECT_EQ(out[1], 0x01);
  EXPECT_EQ(out[2], 0x2D);  // 301 = 0x012D
  EXPECT_TRUE(packet::IsIntact(out.data(), out.size()));
}

TEST(BuildCommand, FillsTheCommandBufferExactlyAndRefusesMore) {
  const Bytes parameters(packet::kMaxCommandParameters + 1, 0x55);
  Bytes out;
  ASSERT_TRUE(packet::BuildCommand(0x1F, parameters.data(), packet::kMaxCommandParameters, true, out));
  EXPECT_EQ(out.size(), packet::kCommandBufferSize);
  EXPECT_FALSE(packet::BuildCommand(0x1F, parameters.data(), parameters.size(), true, out));
  EXPECT_TRUE(out.empty());
}

TEST(BuildEvent, BuildsWhatTheHostCanHoldAndRefusesMore) {
  Bytes out;
  ASSERT_TRUE(packet::BuildEvent(0x02, Hex("01 03").data(), 2, out));
  EXPECT_EQ(out, Hex("AA 00 03 02 01 03 F7"));
  const Bytes parameters(packet::kMaxEventParameters + 1, 0x41);
  ASSERT_TRUE(packet::BuildEvent(0x11, parameters.data(), packet::kMaxEventParameters, out));
  EXPECT_EQ(out.size(), packet::kMaxReceivedPacket);
  EXPECT_TRUE(packet::IsIntact(out.data(), out.size()));
  EXPECT_FALSE(packet::BuildEvent(0x11, parameters.data(), parameters.size(), out));
  EXPECT_TRUE(out.empty());
}

TEST(IsIntact, AcceptsOnlyWholePacketsWithAZeroSum) {
  const Bytes good = Hex("AA 00 03 00 14 00 E9");
  EXPECT_TRUE(packet::IsIntact(good.data(), good.size()));

  Bytes off_by_one = good;
  off_by_one[6] = 0xEA;
  EXPECT_FALSE(packet::IsIntact(off_by_one.data(), off_by_one.size()));
  EXPECT_FALSE(packet::IsIntact(good.data(), good.size() - 1));  // length field says 7 bytes
  const Bytes no_start = Hex("AB 00 03 00 14 00 E9");
  EXPECT_FALSE(packet::IsIntact(no_start.data(), no_start.size()));
}

TEST(IsIntact, RefusesPacketsLargerThanTheDecoderCopy) {
  for (const std::size_t length : {packet::kMaxReceivedLength, packet::kMaxReceivedLength + 1}) {
    Bytes p = {packet::kStartByte, static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length & 0xFF)};
    p.resize(length + 3, 0x00);
    p.push_back(packet::Checksum(p.data() + 1, p.size() - 1));
    EXPECT_EQ(packet::IsIntact(p.data(), p.size()), length == packet::kMaxReceivedLength) << length;
  }
}

TEST(IsEventAck, LooksPastTheLeadingNullByte) {
  const struct {
    Bytes run;
    bool event_ack;
  } cases[] = {
      {Hex("AA 00 02 14 05 E5"), true},
      {Hex("00 AA 00 02 14 05 E5"), true},
      {Hex("AA 00 03 02 00 04 F7"), false},
      {Hex("00 AA 00 03 02 00 14 E7"), false},  // 0x14 as a parameter is not an Event ACK
      {Hex("AA 00 02"), false},
      {Hex("00 AA 00"), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(packet::IsEventAck(c.run.data(), c.run.size()), c.event_ack)
        << testing::PrintToString(c.run);
  }
}

}  // namespace
