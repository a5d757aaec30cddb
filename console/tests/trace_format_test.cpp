#include "console/trace_format.h"

#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

namespace {

const std::string kStamp = "09:05:07:042\t";

std::string Dump(int direction, const Bytes& bytes, bool show_spp_data = false) {
  return FormatTraceEntry(direction, bytes.data(), static_cast<int>(bytes.size()), kStamp,
                          show_spp_data);
}

TEST(TraceFormat, TimestampHasMillisecondsAndATab) {
  EXPECT_EQ(FormatTimestamp(9, 5, 7, 42), "09:05:07:042\t");
}

TEST(TraceFormat, ShortPacketIsOneLineWithABlankAfterEveryByte) {
  EXPECT_EQ(Dump(kTraceCommand, Hex("AA 00 01")), kStamp + "< Command: AA 00 01 \n");
  EXPECT_EQ(Dump(kTraceEvent, Hex("aa 0f")), kStamp + "> Event: AA 0F \n");
}

TEST(TraceFormat, TwentyBytesGiveTwoLinesWithoutPrefixOnTheSecond) {
  Bytes bytes;
  for (int i = 0; i < 20; ++i) bytes.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(Dump(kTraceCommand, bytes),
            kStamp + "< Command: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \n" +
                "10 11 12 13 \n");
}

TEST(TraceFormat, SixteenBytesEndWithOneLineFeed) {
  const std::string dump = Dump(kTraceEvent, Bytes(16, 0xAB));
  EXPECT_EQ(dump.back(), '\n');
  EXPECT_EQ(dump.find('\n'), dump.size() - 1);
}

TEST(TraceFormat, EmptyPacketIsTimestampAndPrefixOnly) {
  EXPECT_EQ(Dump(kTraceCommand, {}), kStamp + "< Command: ");
}

struct SppCase {
  const char* name;
  int direction;
  const char* bytes;
  bool spp;
};

void PrintTo(const SppCase& c, std::ostream* os) { *os << c.name; }

class SppDataTraceTest : public testing::TestWithParam<SppCase> {};

TEST_P(SppDataTraceTest, IsDumpedOnlyOnRequest) {
  const SppCase& c = GetParam();
  const Bytes bytes = Hex(c.bytes);
  EXPECT_EQ(Dump(c.direction, bytes).empty(), c.spp);
  EXPECT_FALSE(Dump(c.direction, bytes, true).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Packets, SppDataTraceTest,
    testing::Values(
        SppCase{"SendSppDataCommand", kTraceCommand, "AA 00 07 12 00 00 00 01 00 01 41 62", true},
        SppCase{"SendSppDataWithFillNull", kTraceCommand, "00 AA 00 07 12 00 00 00 01 00 01 41 62",
                true},
        SppCase{"SppDataEvent", kTraceEvent, "AA 00 07 22 00 00 00 01 00 01 41 52", true},
        SppCase{"SppOpcodeOfTheOtherDirection", kTraceEvent, "AA 00 02 12 00 EC", false},
        SppCase{"EventAckForSppData", kTraceCommand, "AA 00 02 14 22 C8", false},
        SppCase{"TooShortForAnOpcode", kTraceCommand, "AA 00 01", false}),
    [](const testing::TestParamInfo<SppCase>& p) { return p.param.name; });

}  // namespace
