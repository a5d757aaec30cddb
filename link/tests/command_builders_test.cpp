#include "link/command_recorder.h"

#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Build = std::function<uint8_t(CommandBuilders&)>;

struct CatalogueCase {
  const char* name;
  Build build;
  const char* packet;
};

void PrintTo(const CatalogueCase& c, std::ostream* os) { *os << c.name; }

class CatalogueTest : public testing::TestWithParam<CatalogueCase> {};

TEST_P(CatalogueTest, BuildsTheByteExactPacket) {
  CommandRecorder recorder;
  EXPECT_EQ(GetParam().build(recorder), kSent);
  ASSERT_EQ(recorder.Packets().size(), 1u);
  EXPECT_EQ(recorder.Packets()[0], Hex(GetParam().packet));
}

const Bytes kThreeBytes = Hex("01 02 03");

INSTANTIATE_TEST_SUITE_P(
    EveryVariant, CatalogueTest,
    testing::Values(
        CatalogueCase{"MAKE_CALL", [](CommandBuilders& b) { return b.MAKE_CALL(0, "5551234"); },
                      "AA 00 09 00 00 35 35 35 31 32 33 34 8E"},
        CatalogueCase{"MAKE_EXTENSION_CALL",
                      [](CommandBuilders& b) { return b.MAKE_EXTENSION_CALL(1, "123"); },
                      "AA 00 05 01 01 31 32 33 63"},
        CatalogueCase{"MMI_ACTION_AnswerCallOnLink1",
                      [](CommandBuilders& b) { return b.MMI_ACTION(1, 0x04); },
                      "AA 00 03 02 01 04 F6"},
        CatalogueCase{"STATUS_REPORT_MASK_BtmStatusAndRingTone",
                      [](CommandBuilders& b) {
                        return b.STATUS_REPORT_MASK(StatusReportMaskBytes(1u << 1 | 1u << 21));
                      },
                      "AA 00 05 03 02 00 20 00 D6"},
        CatalogueCase{"MUSIC_CONTROL", [](CommandBuilders& b) { return b.MUSIC_CONTROL(0, 0x05); },
                      "AA 00 03 04 00 05 F4"},
        CatalogueCase{"CHANGE_DEVICE_NAME",
                      [](CommandBuilders& b) { return b.CHANGE_DEVICE_NAME("Kitchen SPK"); },
                      "AA 00 0C 05 4B 69 74 63 68 65 6E 20 53 50 4B 1B"},
        CatalogueCase{"SET_PAIRING_TIMEOUT",
                      [](CommandBuilders& b) { return b.SET_PAIRING_TIMEOUT(0x0A); },
                      "AA 00 02 07 0A ED"},
        CatalogueCase{"READ_BTM_VERSION", [](CommandBuilders& b) { return b.READ_BTM_VERSION(1); },
                      "AA 00 02 08 01 F5"},
        CatalogueCase{"VENDOR_AT_COMMAND",
                      [](CommandBuilders& b) { return b.VENDOR_AT_COMMAND(0, "AT+CBC"); },
                      "AA 00 08 0A 00 41 54 2B 43 42 43 66"},
        CatalogueCase{"AVC_SPECIFIC_COMMAND",
                      [](CommandBuilders& b) { return b.AVC_SPECIFIC_COMMAND(0, 0x20, kThreeBytes); },
                      "AA 00 09 0B 00 20 00 00 03 01 02 03 C3"},
        CatalogueCase{"AVRCP_GROUP_NAVIGATION",
                      [](CommandBuilders& b) { return b.AVRCP_GROUP_NAVIGATION(1, 0x01); },
                      "AA 00 03 0C 01 01 EF"},
        CatalogueCase{"INFO_QUERY_0D", [](CommandBuilders& b) { return b.INFO_QUERY_0D(); },
                      "AA 00 02 0D 00 F1"},
        CatalogueCase{"INFO_QUERY_0E", [](CommandBuilders& b) { return b.INFO_QUERY_0E(); },
                      "AA 00 02 0E 00 F0"},
        CatalogueCase{"INFO_QUERY_0F", [](CommandBuilders& b) { return b.INFO_QUERY_0F(); },
                      "AA 00 02 0F 00 EF"},
        CatalogueCase{"INFO_QUERY_10", [](CommandBuilders& b) { return b.INFO_QUERY_10(); },
                      "AA 00 02 10 00 EE"},
        CatalogueCase{"SET_PHONEBOOK_ACCESS",
                      [](CommandBuilders& b) { return b.SET_PHONEBOOK_ACCESS(0xC0); },
                      "AA 00 02 11 C0 2D"},
        CatalogueCase{"SEND_SPP_DATA",
                      [](CommandBuilders& b) { return b.SEND_SPP_DATA(0, 0, 3, Hex("61 62 63")); },
                      "AA 00 0A 12 00 00 00 03 00 03 61 62 63 B8"},
        CatalogueCase{"MISC_CONTROL", [](CommandBuilders& b) { return b.MISC_CONTROL(0x02, 0x05); },
                      "AA 00 03 13 02 05 E3"},
        CatalogueCase{"EVENT_ACK", [](CommandBuilders& b) { return b.EVENT_ACK(0x05); },
                      "AA 00 02 14 05 E5"},
        CatalogueCase{"CONNECT_PROFILE",
                      [](CommandBuilders& b) { return b.CONNECT_PROFILE(1, 0x02); },
                      "AA 00 03 15 01 02 E5"},
        CatalogueCase{"READ_LINKED_DEVICE_INFO",
                      [](CommandBuilders& b) { return b.READ_LINKED_DEVICE_INFO(0, 0x04); },
                      "AA 00 03 16 00 04 E3"},
        CatalogueCase{"PROFILE_LINK_BACK",
                      [](CommandBuilders& b) { return b.PROFILE_LINK_BACK(0x00); },
                      "AA 00 02 17 00 E7"},
        CatalogueCase{"PROFILE_LINK_BACK_DEDICATE_BothProfiles",
                      [](CommandBuilders& b) { return b.PROFILE_LINK_BACK_DEDICATE(2, 0x07); },
                      "AA 00 04 17 04 02 07 D8"},
        CatalogueCase{"DISCONNECT_AllDevices",
                      [](CommandBuilders& b) { return b.DISCONNECT(0x0F); }, "AA 00 02 18 0F D7"},
        CatalogueCase{"SET_EQ_MODE", [](CommandBuilders& b) { return b.SET_EQ_MODE(3); },
                      "AA 00 03 1C 03 FF DF"},
        CatalogueCase{"SET_NOISE_REDUCTION",
                      [](CommandBuilders& b) { return b.SET_NOISE_REDUCTION(0x1A); },
                      "AA 00 02 1D 1A C7"},
        CatalogueCase{"GPIO_CONTROL_GroupsInOrder",
                      [](CommandBuilders& b) {
                        return b.GPIO_CONTROL({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
                      },
                      "AA 00 0D 1E 01 02 03 04 05 06 07 08 09 0A 0B 0C 87"},
        CatalogueCase{"SET_UART_BUFFER_SIZE_HighByteFirst",
                      [](CommandBuilders& b) { return b.SET_UART_BUFFER_SIZE(0x0200); },
                      "AA 00 03 1F 02 00 DC"},
        CatalogueCase{"TTS_DATA_START", [](CommandBuilders& b) { return b.TTS_DATA_START(); },
                      "AA 00 03 20 00 01 DC"},
        CatalogueCase{"TTS_DATA_CHUNK",
                      [](CommandBuilders& b) { return b.TTS_DATA_CHUNK(0x03, Hex("AA BB")); },
                      "AA 00 05 20 01 03 AA BB 72"},
        CatalogueCase{"GAIN_CONTROL",
                      [](CommandBuilders& b) { return b.GAIN_CONTROL(0, 0x05, 0x03, 0x88, 0, 0x90); },
                      "AA 00 07 23 00 05 03 88 00 90 B6"},
        CatalogueCase{"READ_BTM_SETTING", [](CommandBuilders& b) { return b.READ_BTM_SETTING(2); },
                      "AA 00 03 24 02 00 D7"},
        CatalogueCase{"ANCS_CONTROL_SEARCH",
                      [](CommandBuilders& b) { return b.ANCS_CONTROL_SEARCH(); },
                      "AA 00 02 28 00 D6"},
        CatalogueCase{"ANCS_CONTROL_SUBSCRIBE",
                      [](CommandBuilders& b) { return b.ANCS_CONTROL_SUBSCRIBE(true); },
                      "AA 00 03 28 01 01 D3"},
        CatalogueCase{"ANCS_CONTROL_UNSUBSCRIBE",
                      [](CommandBuilders& b) { return b.ANCS_CONTROL_SUBSCRIBE(false); },
                      "AA 00 03 28 01 00 D4"},
        CatalogueCase{"ANCS_CONTROL_NOTIFICATION",
                      [](CommandBuilders& b) { return b.ANCS_CONTROL_NOTIFICATION(Hex("01 02")); },
                      "AA 00 04 28 02 01 02 CF"},
        CatalogueCase{"LE_CONTROL_QUERY_STATUS",
                      [](CommandBuilders& b) { return b.LE_CONTROL_QUERY_STATUS(); },
                      "AA 00 02 29 00 D5"},
        CatalogueCase{"LE_CONTROL_ADVERTISING_Disable",
                      [](CommandBuilders& b) { return b.LE_CONTROL_ADVERTISING(false); },
                      "AA 00 03 29 01 00 D3"},
        CatalogueCase{"LE_CONTROL_CONNECTION_UPDATE",
                      [](CommandBuilders& b) {
                        return b.LE_CONTROL_CONNECTION_UPDATE(0x0006, 0x0C80, 0, 0x000A);
                      },
                      "AA 00 0A 29 02 00 06 0C 80 00 00 00 0A 2F"},
        CatalogueCase{"LE_CONTROL_ADVERTISING_INTERVAL",
                      [](CommandBuilders& b) { return b.LE_CONTROL_ADVERTISING_INTERVAL(0x0800); },
                      "AA 00 04 29 03 08 00 C8"},
        CatalogueCase{"SPEAKER_VENDOR_COMMAND",
                      [](CommandBuilders& b) { return b.SPEAKER_VENDOR_COMMAND(0x03, Hex("DE AD")); },
                      "AA 00 06 2A 03 00 02 DE AD 40"},
        CatalogueCase{"AUDIO_EFFECT_SYNC",
                      [](CommandBuilders& b) { return b.AUDIO_EFFECT_SYNC(1, 2); },
                      "AA 00 03 2C 01 02 CE"},
        CatalogueCase{"RawWithoutParameters",
                      [](CommandBuilders& b) { return b.SendRaw(0x02, 0, nullptr); },
                      "AA 00 01 02 FD"}),
    [](const testing::TestParamInfo<CatalogueCase>& p) { return p.param.name; });

// Commands at and just beyond their own limits: at the limit the command goes out whole,
// one byte more is refused with the command's own result and nothing is framed.
struct LimitCase {
  const char* name;
  std::function<uint8_t(CommandBuilders&, std::size_t)> build;
  std::size_t limit;
  std::size_t fixed_params;  // parameter bytes besides the limited part
  uint8_t refusal;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class LimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitTest, AtTheLimitIsSentWhole) {
  const LimitCase& c = GetParam();
  CommandRecorder recorder;
  EXPECT_EQ(c.build(recorder, c.limit), kSent);
  ASSERT_EQ(recorder.Packets().size(), 1u);
  EXPECT_EQ(recorder.Packets()[0].size(), c.limit + c.fixed_params + packet::kFramingSize + 1);
}

TEST_P(LimitTest, BeyondTheLimitIsRefusedAndNothingIsSent) {
  const LimitCase& c = GetParam();
  CommandRecorder recorder;
  EXPECT_EQ(c.build(recorder, c.limit + 1), c.refusal);
  EXPECT_TRUE(recorder.Packets().empty());
}

std::string Digits(std::size_t n) { return std::string(n, '5'); }
Bytes Filler(std::size_t n) { return Bytes(n, 0x5A); }

INSTANTIATE_TEST_SUITE_P(
    Limits, LimitTest,
    testing::Values(
        LimitCase{"MAKE_CALL",
                  [](CommandBuilders& b, std::size_t n) { return b.MAKE_CALL(0, Digits(n)); }, 20, 1,
                  kSendDialLength},
        LimitCase{"MAKE_EXTENSION_CALL",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.MAKE_EXTENSION_CALL(0, Digits(n));
                  },
                  10, 1, kSendDialLength},
        LimitCase{"CHANGE_DEVICE_NAME_Utf8Bytes",
                  [](CommandBuilders& b, std::size_t n) {
                    // "é" is two bytes: 16 of them fill the 32 bytes; one more byte is "x".
                    std::string name;
                    for (std::size_t i = 0; i < n / 2; ++i) name += "\xC3\xA9";
                    if (n % 2) name += "x";
                    return b.CHANGE_DEVICE_NAME(name);
                  },
                  32, 0, kSendTooLong},
        LimitCase{"VENDOR_AT_COMMAND",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.VENDOR_AT_COMMAND(0, std::string(n, 'A'));
                  },
                  64, 1, kSendTooLong},
        LimitCase{"SEND_SPP_DATA",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.SEND_SPP_DATA(0, 0, static_cast<uint16_t>(n), Filler(n));
                  },
                  506, 6, kSendTooLong},
        LimitCase{"TTS_DATA_CHUNK",
                  [](CommandBuilders& b, std::size_t n) { return b.TTS_DATA_CHUNK(2, Filler(n)); },
                  480, 2, kSendTooLong},
        LimitCase{"ANCS_CONTROL_NOTIFICATION",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.ANCS_CONTROL_NOTIFICATION(Filler(n));
                  },
                  127, 1, kSendTooLong},
        LimitCase{"SPEAKER_VENDOR_COMMAND",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.SPEAKER_VENDOR_COMMAND(0, Filler(n));
                  },
                  512, 3, kSendTooLong},
        LimitCase{"AVC_SPECIFIC_COMMAND_PacketBuffer",
                  [](CommandBuilders& b, std::size_t n) {
                    return b.AVC_SPECIFIC_COMMAND(0, 0x20, Filler(n));
                  },
                  packet::kMaxCommandParameters - 5, 5, kSendTooLong},
        LimitCase{"Raw",
                  [](CommandBuilders& b, std::size_t n) {
                    const Bytes params = Filler(n);
                    return b.SendRaw(0x40, static_cast<uint16_t>(n), params.data());
                  },
                  511, 0, kSendTooLong}),
    [](const testing::TestParamInfo<LimitCase>& p) { return p.param.name; });

TEST(DialBuilders, RefuseAnEmptyNumber) {
  CommandRecorder recorder;
  EXPECT_EQ(recorder.MAKE_CALL(0, ""), kSendDialLength);
  EXPECT_EQ(recorder.MAKE_EXTENSION_CALL(0, ""), kSendDialLength);
  EXPECT_TRUE(recorder.Packets().empty());
}

TEST(StatusReportMaskBytes, NeverSetsBitZeroOrTheBitsAbove21) {
  EXPECT_EQ(StatusReportMaskBytes(0xFFFFFFFFu), (std::array<uint8_t, 4>{0xFE, 0xFF, 0x3F, 0x00}));
}

}  // namespace
