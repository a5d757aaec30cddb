#include "link/event_decoder.h"

#include "link/tests/event_bytes.h"

#include <gtest/gtest.h>

namespace {

// Loads and validates one packet; true when the event would be delivered.
bool Accepts(EventDecoder& decoder, const Bytes& packet) {
  return decoder.Load(packet.data(), packet.size()) && decoder.Validate();
}

struct RuleCase {
  const char* name;
  std::uint8_t opcode;
  const char* params;
  bool accepted;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class EventRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(EventRuleTest, AcceptsOnlyWithinTheModulesRanges) {
  EventDecoder decoder;
  EXPECT_EQ(Accepts(decoder, Event(GetParam().opcode, Hex(GetParam().params))),
            GetParam().accepted);
}

// At each check's boundary: the last accepted value and the first rejected one.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, EventRuleTest,
    testing::Values(
        RuleCase{"CommandAckStatus5", 0x00, "12 05", true},
        RuleCase{"CommandAckStatus6", 0x00, "12 06", false},
        RuleCase{"BtmStatus17", 0x01, "11 00", true},
        RuleCase{"BtmStatus18", 0x01, "12 00", false},
        RuleCase{"CallStatusLink1State8", 0x02, "01 08", true},
        RuleCase{"CallStatusLink2", 0x02, "02 03", false},
        RuleCase{"CallStatusState9", 0x02, "01 09", false},
        RuleCase{"CallerIdWithDigits", 0x03, "01 00 35", true},
        RuleCase{"CallerIdLink2", 0x03, "02 00 35", false},
        RuleCase{"CallerIdWithoutDigits", 0x03, "00", false},
        RuleCase{"SmsIndication1", 0x04, "01 01", true},
        RuleCase{"SmsIndication2", 0x04, "01 02", false},
        RuleCase{"MissedCallLink1", 0x05, "01 07", true},
        RuleCase{"MissedCallLink2", 0x05, "02 00", false},
        RuleCase{"PhoneMaxBattery6", 0x06, "01 06", true},
        RuleCase{"PhoneMaxBattery7", 0x06, "01 07", false},
        RuleCase{"PhoneBattery6", 0x07, "00 06", true},
        RuleCase{"PhoneBatteryLink2", 0x07, "02 00", false},
        RuleCase{"PhoneBattery7", 0x07, "00 07", false},
        RuleCase{"Roaming2", 0x08, "00 02", false},
        RuleCase{"MaxSignal5", 0x09, "01 05", true},
        RuleCase{"MaxSignal6", 0x09, "01 06", false},
        RuleCase{"Signal6", 0x0A, "00 06", false},
        RuleCase{"Service1", 0x0B, "01 01", true},
        RuleCase{"Service2", 0x0B, "01 02", false},
        RuleCase{"BtmBattery6", 0x0C, "06 0C", true},
        RuleCase{"BtmBattery7", 0x0C, "07 00", false},
        RuleCase{"Charging3", 0x0D, "03 00", true},
        RuleCase{"Charging4", 0x0D, "04 00", false},
        RuleCase{"ResetToDefaultAnything", 0x0E, "FF FF", true},
        RuleCase{"HfGain15", 0x0F, "01 0F", true},
        RuleCase{"HfGain16", 0x0F, "01 10", false},
        RuleCase{"EqMode9", 0x10, "09 00", true},
        RuleCase{"EqMode10", 0x10, "0A 00", false},
        RuleCase{"PhonebookDataAnything", 0x15, "FF", true},
        RuleCase{"PhonebookRetrieved21", 0x16, "15 00", true},
        RuleCase{"PhonebookRetrieved22", 0x16, "16 00", false},
        RuleCase{"LinkedInfoItem5", 0x17, "01 05 0F", true},
        RuleCase{"LinkedInfoItem6", 0x17, "01 06 00", false},
        RuleCase{"LinkedInfoLink2", 0x17, "02 04 00", false},
        RuleCase{"LinkedInfoNameWithText", 0x17, "00 00 41", true},
        RuleCase{"LinkedInfoNameEmpty", 0x17, "00 00", false},
        RuleCase{"LinkedInfoItem1FE", 0x17, "00 01 FE", true},
        RuleCase{"LinkedInfoItem1FF", 0x17, "00 01 FF", false},
        RuleCase{"LinkedInfoItem2Value2", 0x17, "00 02 02", false},
        RuleCase{"LinkedInfoItem3Value1", 0x17, "00 03 01", true},
        RuleCase{"LinkedInfoItem3Value2", 0x17, "00 03 02", false},
        RuleCase{"LinkedInfoItem4Anything", 0x17, "00 04 FF", true},
        RuleCase{"LinkedInfoItem5Value16", 0x17, "00 05 10", false},
        RuleCase{"BtmVersion1", 0x18, "01 12 34", true},
        RuleCase{"BtmVersion2", 0x18, "02 12 34", false},
        RuleCase{"Opcode19WithData", 0x19, "00 AB", true},
        RuleCase{"Opcode19Empty", 0x19, "", false},
        RuleCase{"AvcVendorWithParameters", 0x1A, "01 0C 48 00 00 19 58 31 01 00 01 05", true},
        RuleCase{"AvcVendorWithoutParameters", 0x1A, "01 0C 48 00 00 19 58 31 01 00 00", false},
        RuleCase{"AvcOtherOpcodeNoLengthCheck", 0x1A, "00 09 48 7C 44 00", true},
        RuleCase{"AvcLink2", 0x1A, "02 09 48 7C 44 00", false},
        RuleCase{"MiscStatusKind0Value1", 0x1B, "00 01", true},
        RuleCase{"MiscStatusKind0Value2", 0x1B, "00 02", false},
        RuleCase{"MiscStatusKind1Value3", 0x1B, "01 03", true},
        RuleCase{"MiscStatusKind1Value4", 0x1B, "01 04", false},
        RuleCase{"MiscStatusKind3Value1", 0x1B, "03 01", false},
        RuleCase{"MiscStatusKind6Value2", 0x1B, "06 02", false},
        RuleCase{"MiscStatusKind7Anything", 0x1B, "07 FF", true},
        RuleCase{"MiscStatusKind8", 0x1B, "08 00", false},
        RuleCase{"AtResult2", 0x1C, "01 02", true},
        RuleCase{"AtResult3", 0x1C, "01 03", false},
        RuleCase{"AtTextWithText", 0x1D, "01 00 00 4F 4B", true},
        RuleCase{"AtTextLink2", 0x1D, "02 00 00 4F 4B", false},
        RuleCase{"AtTextEmpty", 0x1D, "00", false},
        RuleCase{"LinkStatusUpperLimits", 0x1E, "07 3E 3E 08 08 01 01", true},
        RuleCase{"LinkStatusState8", 0x1E, "08 00 00 00 00 00 00", false},
        RuleCase{"LinkStatusPlayerB9", 0x1E, "00 00 00 00 09 00 00", false},
        RuleCase{"LinkStatusStreamingB2", 0x1E, "00 00 00 00 00 00 02", false},
        RuleCase{"PairedListOne", 0x1F, "01 01 11 22 33 44 55 66", true},
        RuleCase{"PairedListNone", 0x1F, "00", false},
        RuleCase{"LocalAddressOneByte", 0x20, "11", true},
        RuleCase{"LocalAddressEmpty", 0x20, "", false},
        RuleCase{"LocalNameOne", 0x21, "01 41", true},
        RuleCase{"LocalNameNone", 0x21, "00", false},
        RuleCase{"SppTotalAbovePayload", 0x22, "01 03 00 20 00 10 00", true},
        RuleCase{"SppTotalBelowPayload", 0x22, "00 00 00 10 00 20 00", false},
        RuleCase{"SppTotalZero", 0x22, "00 00 00 00 00 00", false},
        RuleCase{"SppType4", 0x22, "00 04 00 01 00 01 00", false},
        RuleCase{"Opcode23Limits", 0x23, "05 01", true},
        RuleCase{"Opcode23First6", 0x23, "06 00", false},
        RuleCase{"Opcode24Second0", 0x24, "FF 00", true},
        RuleCase{"Opcode24Second1", 0x24, "00 01", false},
        RuleCase{"Opcode25First2", 0x25, "02 00 00 00 00", false},
        RuleCase{"Opcode26Second2", 0x26, "01 02", false},
        RuleCase{"Opcode27Length8", 0x27, "00 01 02 03 04 05 06", true},
        RuleCase{"Opcode27Length7", 0x27, "00 01 02 03 04 05", false},
        RuleCase{"Opcode28First1", 0x28, "01 00", false},
        RuleCase{"Opcode28Second1", 0x28, "00 01", true},
        RuleCase{"Opcode29Second2", 0x29, "00 02", false},
        RuleCase{"Opcode2AFirst1", 0x2A, "01 00", false},
        RuleCase{"Opcode2BTotalEqualsPart", 0x2B, "04 03 03 00 05 00 05", true},
        RuleCase{"Opcode2BPartAboveTotal", 0x2B, "00 00 00 00 05 00 06", false},
        RuleCase{"Opcode2BFirst5", 0x2B, "05 00 00 00 05 00 05", false},
        RuleCase{"Opcode2CLength7", 0x2C, "00 01 02 03 04 05", true},
        RuleCase{"Opcode2CLength6", 0x2C, "00 01 02 03 04", false},
        RuleCase{"SampleRate2", 0x2D, "02", true},
        RuleCase{"SampleRate3", 0x2D, "03", false},
        RuleCase{"SettingItem2Value1", 0x2E, "02 01", true},
        RuleCase{"SettingItem2Value2", 0x2E, "02 02", false},
        RuleCase{"SettingItem1Anything", 0x2E, "01 FF", true},
        RuleCase{"SettingItem3", 0x2E, "03 00", false},
        RuleCase{"UpdateBin3", 0x2F, "03", false},
        RuleCase{"InitComplete0", 0x30, "00", true},
        RuleCase{"InitComplete1", 0x30, "01", false},
        RuleCase{"AncsKind0Value2", 0x31, "00 02", false},
        RuleCase{"AncsKind3Anything", 0x31, "03 FF", true},
        RuleCase{"AncsKind4", 0x31, "04 00", false},
        RuleCase{"LeKind0State3", 0x32, "00 03 00", true},
        RuleCase{"LeKind0State4", 0x32, "00 04 00", false},
        RuleCase{"LeKind1Value63", 0x32, "01 3F", true},
        RuleCase{"LeKind1Value64", 0x32, "01 40", false},
        RuleCase{"LeKind2InRange", 0x32, "02 00 06 0C 80 00 0A", true},
        RuleCase{"LeKind2Value5", 0x32, "02 00 05 0C 80 00 0A", false},
        RuleCase{"LeKind2Value3201", 0x32, "02 00 06 0C 81 00 0A", false},
        RuleCase{"LeKind3Enabled", 0x32, "03 01 00", true},
        RuleCase{"LeKind3LowByteSet", 0x32, "03 00 01", false},
        RuleCase{"LeKind4", 0x32, "04 00", false},
        RuleCase{"Ecsb4", 0x33, "04 04", true},
        RuleCase{"Ecsb5", 0x33, "04 05", false},
        RuleCase{"SpeakerVendorLowByte", 0x34, "03 00 01", true},
        RuleCase{"SpeakerVendorBothZero", 0x34, "03 00 00", false},
        RuleCase{"SpeakerVendorKind4", 0x34, "04 00 01", false},
        RuleCase{"Opcode38Anything", 0x38, "", true},
        RuleCase{"Opcode40Anything", 0x40, "FF FF FF", true}),
    [](const testing::TestParamInfo<RuleCase>& p) { return p.param.name; });

// The in-place rewrites, seen in the content record and in the work buffer.
struct RewriteCase {
  const char* name;
  std::uint8_t opcode;
  const char* params;
  const char* content;  // the first content bytes after the rewrite
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

class EventRewriteTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(EventRewriteTest, RewritesInPlace) {
  EventDecoder decoder;
  const Bytes packet = Event(GetParam().opcode, Hex(GetParam().params));
  ASSERT_TRUE(Accepts(decoder, packet));
  const Bytes expected = Hex(GetParam().content);
  const EVENT_TYPE_CONTENT_ content = decoder.Content();
  EXPECT_EQ(Bytes(content.bytes, content.bytes + expected.size()), expected);
  EXPECT_EQ(Bytes(decoder.Packet() + 4, decoder.Packet() + 4 + expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Normalisations, EventRewriteTest,
    testing::Values(
        RewriteCase{"CallerIdCountFromLength", 0x03, "00 09 35 35 35", "00 04 35 35 35"},
        RewriteCase{"Opcode19CountAfterChecks", 0x19, "00 AA BB", "03 AA BB"},
        RewriteCase{"AvcVendorLengthToNative", 0x1A, "00 0C 48 00 00 19 58 31 01 01 02",
                    "00 0C 48 00 00 19 58 31 01 02 01"},
        RewriteCase{"AvcOtherOpcodeUntouched", 0x1A, "00 09 48 7C 44 00 12 34 56 78 9A",
                    "00 09 48 7C 44 00 12 34 56 78 9A"},
        RewriteCase{"AtTextCountFromLength", 0x1D, "00 FF FF 4F 4B", "00 04 00 4F 4B"},
        RewriteCase{"SppLengthsToNative", 0x22, "00 00 00 20 00 10", "00 00 20 00 10 00"},
        RewriteCase{"Opcode2BLengthsToNative", 0x2B, "00 00 00 01 02 01 02", "00 00 00 02 01 02 01"},
        RewriteCase{"Opcode38CountFromLength", 0x38, "01 02 03 04 05 06 FF FF AA",
                    "01 02 03 04 05 06 04 00 AA"}),
    [](const testing::TestParamInfo<RewriteCase>& p) { return p.param.name; });

TEST(EventDecoder, ContentIsZeroBeyondThePacket) {
  EventDecoder decoder;
  ASSERT_TRUE(Accepts(decoder, Event(0x40, Bytes(40, 0xEE))));
  ASSERT_TRUE(Accepts(decoder, Event(0x02, Hex("01 03"))));
  const EVENT_TYPE_CONTENT_ content = decoder.Content();
  EXPECT_EQ(content[0], 0x01);
  EXPECT_EQ(content[1], 0x03);
  EXPECT_EQ(content[2], 0xF7);  // the checksum byte
  for (std::size_t i = 3; i < kEventContentSize; ++i) ASSERT_EQ(content[i], 0) << "byte " << i;
}

TEST(EventDecoder, RefusesPacketsThatAreNotWholeAndIntact) {
  EventDecoder decoder;
  Bytes bad_sum = Event(0x02, Hex("01 03"));
  bad_sum.back() ^= 0x01;
  EXPECT_FALSE(decoder.Load(bad_sum.data(), bad_sum.size()));
  const Bytes whole = Event(0x02, Hex("01 03"));
  EXPECT_FALSE(decoder.Load(whole.data(), whole.size() - 1));  // length field disagrees
  const Bytes oversize = Event(0x40, Bytes(packet::kMaxReceivedLength, 0x00));
  EXPECT_FALSE(decoder.Load(oversize.data(), oversize.size()));
  const Bytes largest = Event(0x40, Bytes(packet::kMaxReceivedLength - 1, 0x00));
  EXPECT_TRUE(decoder.Load(largest.data(), largest.size()));
}

TEST(EventDecoder, LargestPacketLeavesOnlyTheChecksumInTheContentTail) {
  EventDecoder decoder;
  const Bytes largest = Event(0x40, Bytes(packet::kMaxReceivedLength - 1, 0x11));
  ASSERT_TRUE(Accepts(decoder, largest));
  const EVENT_TYPE_CONTENT_ content = decoder.Content();
  EXPECT_EQ(content[kEventWorkBufferSize - 6], 0x11);
  EXPECT_EQ(content[kEventWorkBufferSize - 5], largest.back());
  EXPECT_EQ(content[kEventWorkBufferSize - 4], 0);
  EXPECT_EQ(content[kEventContentSize - 1], 0);
}

}  // namespace
