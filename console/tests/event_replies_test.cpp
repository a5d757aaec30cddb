#include "console/tests/presenter_fixture.h"

#include <cctype>
#include <string>
#include <vector>

namespace console {
namespace {

using testing_support::PresenterTest;
using Bytes = std::vector<std::uint8_t>;

struct Case {
  const char* name;
  std::uint8_t opcode;
  Bytes params;
  std::string log;  // the whole entry, final line feed included
};

// AV/C vendor-dependent answer: link, response code, subunit, opcode 0, company ID, PDU,
// packet type, parameter length (least significant byte first, as the decoder leaves it).
Bytes Vendor(std::uint8_t pdu, std::uint8_t packet_type, const Bytes& p) {
  Bytes b = {0x00, 0x0C, 0x48, 0x00, 0x00, 0x19, 0x58, pdu, packet_type,
             static_cast<std::uint8_t>(p.size() & 0xFF), static_cast<std::uint8_t>(p.size() >> 8)};
  for (std::uint8_t x : p) b.push_back(x);  // (insert() trips a false -Warray-bounds in GCC 12)
  return b;
}

Bytes Attribute(std::uint8_t id, const std::string& value) {
  Bytes b = {0, 0, 0, id, 0x00, 0x6A, static_cast<std::uint8_t>(value.size() >> 8),
             static_cast<std::uint8_t>(value.size() & 0xFF)};
  for (char ch : value) b.push_back(static_cast<std::uint8_t>(ch));
  return b;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts)
    for (std::uint8_t x : p) all.push_back(x);
  return all;
}

const Case kReplyCases[] = {
    {"phonebook data adds nothing", 0x11, {'B', 'E', 'G'}, "\n"},
    {"retrieved missed calls", 0x16, {0x21, 0x00}, "Missed calls have already been retrieved.\n"},
    {"ring tone", 0x17, {0x00, 0x01, 0x01}, "In-band ring tone.\n"},
    {"spp kind", 0x17, {0x00, 0x02, 0x01}, "iAP device.\n"},
    {"avrcp support", 0x17, {0x01, 0x03, 0x00}, "Support AVRCP 1.0.\n"},
    {"gains of item 4", 0x17, {0x00, 0x04, 0x5A}, "Voice Gain Level : 5[BTM]Audio Gain Level : 10[BTM]\n"},
    {"line-in gain", 0x17, {0x00, 0x05, 0x0C}, "Line-in Gain Level : 12[BTM]\n"},
    {"firmware version", 0x18, {0x01, 0x01, 0x05}, "Firmware Versionv1.05\n\n"},
    {"uart version", 0x18, {0x00, 0x1A, 0x2B}, "UART Versionv1a.2b\n\n"},
    {"event 0x19 shows the bytes the packet holds", 0x19, {0x04, 'a', 'b', 'c'}, "abc\n\n"},
    {"event 0x19 with a count beyond the packet", 0x19, {0xFF, 'a', 'b'}, "ab\n\n"},
    {"av/c rejected", 0x1A, {0x00, 0x0A, 0x48, 0x00}, "The command was rejected.\n"},
    {"av/c unit info", 0x1A, {0x00, 0x0C, 0xFF, 0x30, 0x07, 0x48, 0x00, 0x19, 0x58}, "Company ID : 0x1958\n"},
    {"av/c subunit info", 0x1A, {0x00, 0x0C, 0xFF, 0x31, 0x07, 0x48, 0xFF, 0xFF, 0x4B},
     "Panel : 0x9 ; Max subunit ID : 0x3\n"},
    {"avrcp setting attributes", 0x1A, Vendor(0x11, 0, {0x02, 0x01, 0x03}),
     "Equalizer status ON/OFF.\nShuffle ON/OFF status.\n\n"},
    {"avrcp setting attribute count beyond the parameters", 0x1A, Vendor(0x11, 0, {0x09, 0x02}),
     "Repeat Mode status.\n\n"},
    {"avrcp current values", 0x1A, Vendor(0x13, 0, {0x04, 0x01, 0x01, 0x02, 0x03, 0x03, 0x01, 0x09, 0x00}),
     "Current equalizer status : ON.\nCurrent repeat mode : Group repeat.\nCurrent shuffle status : All tracks "
     "shuffle.\n\n"},
    {"avrcp play status", 0x1A,
     Vendor(0x30, 0, {0x00, 0x03, 0x0D, 0x40, 0x00, 0x00, 0x75, 0x30, 0x01}),
     "Total Song Length :  3m : 20s.\nCurrent Position :   m : 30s \n\nStatus of Playing : PLAYING.\n\n\n\n"},
    {"avrcp play status not supported", 0x1A,
     Vendor(0x30, 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}), "TG not support.\n"},
    {"avrcp single attribute answer", 0x1A,
     Vendor(0x20, 0, Cat({{0x02}, Attribute(1, "Song"), Attribute(7, "200000")})),
     "Title of the media : Song\nPlaying time :  :  3m : 20s \r\n\n"},
    {"avrcp attribute with a length past the buffer", 0x1A,
     Vendor(0x20, 0, Cat({{0x02}, Attribute(2, "Band"), {0, 0, 0, 3, 0, 0x6A, 0x10, 0x00, 'x'}})),
     "Name of the artist : Band\n\n"},
    {"notify playback status", 0x1A, Vendor(0x31, 0, {0x01, 0x02}), "Current Playback Status : PAUSED.\n\n"},
    {"notify track selected", 0x1A, Vendor(0x31, 0, {0x02, 0, 0, 0, 0, 0, 0, 0, 0}), "The track is selected.\n"},
    {"notify other track", 0x1A, Vendor(0x31, 0, {0x02, 0, 0, 0, 0, 0, 0, 0, 1}), "\n"},
    {"notify track end", 0x1A, Vendor(0x31, 0, {0x03}), "The track reaches to the end.\n"},
    {"notify track begin", 0x1A, Vendor(0x31, 0, {0x04}), "The track reaches to the begin.\n"},
    {"notify position", 0x1A, Vendor(0x31, 0, {0x05, 0x00, 0x01, 0xD4, 0xC0}), "Current Position :  2m :   s \n\n"},
    {"notify position not supported", 0x1A, Vendor(0x31, 0, {0x05, 0xFF, 0xFF, 0xFF, 0xFF}), "TG not support.\n"},
    {"notify battery", 0x1A, Vendor(0x31, 0, {0x06, 0x03}), "Plugged to external power supply.\n\n"},
    {"notify system", 0x1A, Vendor(0x31, 0, {0x07, 0x02}), "Unplugged.\n\n"},
    {"misc amplifier", 0x1B, {0x00, 0x01}, "Amplifer is unmute.\n"},
    {"misc line-in", 0x1B, {0x01, 0x03}, "Line-in is silence.\n"},
    {"misc eeprom", 0x1B, {0x03, 0x00}, "EEProm update successful\n"},
    {"misc codec", 0x1B, {0x04, 0x01}, "A2DP CODEC start.\n"},
    {"at result", 0x1C, {0x00, 0x02}, "No AG response.\n"},
    {"at text", 0x1D, {0x00, 0x04, 0x00, 'O', 'K'}, "OK\n\n"},
    {"at text with a length beyond the packet", 0x1D, {0x00, 0xFF, 0x7F, 'O', 'K'}, "OK\n\n"},
    {"sample rate", 0x2D, {0x01}, "44.1KHz sample rate.\n"},
    {"pairing timeout", 0x2E, {0x00, 0x04}, "Pairing timeout value is 120seconds.\n"},
    {"codecs", 0x2E, {0x01, 0x03}, "CODEC Type:SBC (Mandatory, must always been set)\nCODEC Type:AAC\n"},
    {"standby setting", 0x2E, {0x02, 0x01}, "BTM Standby mode enable.\n"},
    {"update bin size is 24-bit big-endian", 0x2F, {0x00, 0x01, 0x02, 0x03}, "Total update Bin size : 66051\n"},
    {"update bin small size", 0x2F, {0x00, 0x00, 0x00, 0x10}, "Total update Bin size :   16\n"},
    {"update bin continue", 0x2F, {0x01}, "Start or continue Bin data.\n"},
    {"update bin last", 0x2F, {0x02}, "Last Bin data.\n"},
    {"init complete", 0x30, {0x00}, "BTM initial complete.\n"},
    {"ancs not found", 0x31, {0x00, 0x01}, "ANCS service not founded.\n"},
    {"ancs error by code", 0x31, {0x01, 0x0B}, "0x0B , ACL Connection Already Exists\n"},
    {"ancs last error", 0x31, {0x01, 0xFF}, "0xFF , UART Checksum Error [TX]\n"},
    {"ancs unknown error code", 0x31, {0x01, 0x04}, "0x04 , Unknown error\n"},
    {"le advertising ok", 0x32, {0x01, 0x00}, "LE Advertising command success.\n"},
    {"le advertising failed", 0x32, {0x01, 0x0C}, "LE Advertising command failed.[12]\n"},
    {"le connection values", 0x32, {0x02, 0x00, 0x18, 0x00, 0x07, 0x0C, 0x80},
     "LE Connection interval: 30ms\nLE Connection latency: 8ms\nLE supervision timeout: 32000ms\n\n"},
    {"le parameter update rejected", 0x32, {0x03, 0x01, 0x00}, "LE connection parameter updated rejected.\n"},
    {"speaker vendor event", 0x34, {0x02, 0x00, 0x01, 0x7E},
     "The master SPK(SPK1) receive vendor cmd from the slave SPK(SPK2).\n\n"},
    {"speaker vendor event kind 0", 0x34, {0x00, 0x00, 0x01, 0x7E}, "\n"},
    {"unnamed 0x24 adds nothing", 0x24, {0x00, 0x00}, "\n"},
    {"opcode 0x40 adds nothing", 0x40, {0x01}, "\n"},
};

class ReplyEvents : public PresenterTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ReplyEvents, LogsTheText) { EXPECT_EQ(Present(GetParam().opcode, GetParam().params), GetParam().log); }

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(Table, ReplyEvents, ::testing::ValuesIn(kReplyCases), testing_support::CaseName<Case>);

struct InfoRecorder {
  std::vector<std::pair<int, std::wstring>> items;
  void Attach(PageSlots& page_slots) {
    page_slots.SetInfoCallback([this](std::uint8_t item, const std::wstring& text) { items.emplace_back(item, text); });
  }
};

TEST_F(PresenterTest, InformationPageGetsVersionsAddressesAndNames) {
  InfoRecorder info;
  info.Attach(page_slots);
  Present(0x18, {0x01, 0x01, 0x05});
  Present(0x18, {0x00, 0x02, 0x10});
  Present(0x20, {0x66, 0x55, 0x44, 0x33, 0x22, 0x11});
  Present(0x21, {0x04, 'B', 'T', 'M', 0xC3});  // a cut UTF-8 sequence becomes U+FFFD
  // Two paired devices; a third record with index 9 would overwrite the firmware field.
  Present(0x1F, {0x03, 0x01, 1, 2, 3, 4, 5, 6, 0x02, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x09, 0, 0, 0, 0, 0, 0});
  const std::vector<std::pair<int, std::wstring>> expected = {
      {8, L"v1.05\n"},           {9, L"v2.10\n"},           {15, L"0x112233445566"},
      {14, L"BTM\xFFFD"},        {0, L"0x060504030201"},   {1, L"0xffeeddccbbaa"},
  };
  EXPECT_EQ(info.items, expected);
}

TEST_F(PresenterTest, PairedListRecordsBeyondThePacketAreIgnored) {
  InfoRecorder info;
  info.Attach(page_slots);
  Present(0x1F, {0x05, 0x01, 1, 2, 3, 4, 5, 6});  // claims five records, carries one
  EXPECT_EQ(info.items.size(), 1u);
}

TEST_F(PresenterTest, GainAndInformationItemsOfLinkedDeviceInfo) {
  std::vector<std::pair<int, int>> gains;
  page_slots.SetGainCallback([&](std::uint8_t kind, std::uint8_t level) { gains.emplace_back(kind, level); });
  InfoRecorder info;
  info.Attach(page_slots);
  Present(0x17, {0x00, 0x04, 0x5A});
  Present(0x17, {0x00, 0x05, 0x0C});
  Present(0x17, {0x00, 0x01, 0x00});
  EXPECT_EQ(gains, (std::vector<std::pair<int, int>>{{0, 5}, {1, 10}, {2, 12}}));
  EXPECT_EQ(info.items, (std::vector<std::pair<int, std::wstring>>{{11, L"Out-band ring tone."}}));
}

TEST_F(PresenterTest, DeviceNameWithoutNulEndsWithTheParameters) {
  EXPECT_EQ(Present(0x17, {0x01, 0x00, 'A', 'B', 'C'}), "Remote device name : ABC\n");
  EXPECT_EQ(view.radio_texts, (std::vector<std::pair<int, std::string>>{{1399, "ABC"}}));
}

TEST_F(PresenterTest, AutomaticAnswersUseTheSelectedDevice) {
  selected = 1;
  EXPECT_EQ(Present(0x1B, {0x05, 0x00}), "Switch the BTM to power off.\n");
  EXPECT_EQ(Present(0x1B, {0x06, 0x00}), "Volume up.\n");
  EXPECT_EQ(Present(0x1B, {0x06, 0x01}), "Volume down.\n");
  EXPECT_EQ(Present(0x1B, {0x07, 0x9C}), "Set the BTM's audio and line-in gain level.\n\n");
  const std::vector<Bytes> expected = {
      {0x02, 1, 0x53}, {0x02, 1, 0x54}, {0x02, 1, 0x30}, {0x02, 1, 0x31}, {0x23, 1, 0x05, 0x03, 0x8C, 0x00, 0x89}};
  EXPECT_EQ(answers.commands, expected);
}

TEST_F(PresenterTest, FragmentedElementAttributesAreShownWithTheLastFragment) {
  const Bytes whole = Cat({{0x03}, Attribute(1, "Title"), Attribute(2, "Artist"), Attribute(3, "Album")});
  const Bytes first(whole.begin(), whole.begin() + 10);
  const Bytes middle(whole.begin() + 10, whole.begin() + 25);
  const Bytes last(whole.begin() + 25, whole.end());
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 1, first)), "\n");
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 2, middle)), "\n");
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 3, last)),
            "Title of the media : Title\nName of the artist : Artist\nName of the album : Album\n\n");
  // The buffer starts afresh for the next answer.
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 0, Cat({{0x01}, Attribute(6, "Jazz")}))), "Genre : Jazz\n\n");
}

TEST_F(PresenterTest, AtMostEightAttributesAndFiveHundredTwelveValueBytesAreShown) {
  Bytes answer = {0x09};
  for (int i = 0; i < 9; ++i) answer = Cat({answer, Attribute(1, std::string(1, static_cast<char>('a' + i)))});
  std::string eight;
  for (int i = 0; i < 8; ++i) eight += "Title of the media : " + std::string(1, static_cast<char>('a' + i)) + "\n";
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 0, answer)), eight + "\n");

  const std::string long_value(600, 'v');
  EXPECT_EQ(Present(0x1A, Vendor(0x20, 0, Cat({{0x01}, Attribute(6, long_value)}))),
            "Genre : " + std::string(512, 'v') + "\n\n");
}

TEST_F(PresenterTest, PageDataGoesToItsSlotBoundedByThePacket) {
  std::string spp, contact, speaker;
  std::vector<int> effects;
  page_slots.SetSppDataCallback([&](const std::uint8_t* b, int n) { spp.assign(reinterpret_cast<const char*>(b), static_cast<std::size_t>(n)); });
  page_slots.SetContactDataCallback([&](std::uint8_t op, const std::uint8_t* b, int n) {
    contact = std::to_string(op) + ":" + std::string(reinterpret_cast<const char*>(b), static_cast<std::size_t>(n));
  });
  page_slots.SetSpeakerEventCallback([&](std::uint8_t kind, std::uint16_t n, const std::uint8_t* b) {
    speaker = std::to_string(kind) + ":" + std::string(reinterpret_cast<const char*>(b), n);
  });
  page_slots.SetAudioEffectCallback([&](std::uint8_t a, std::uint8_t b) { effects = {a, b}; });
  // SPP data: the decoder left both lengths least significant byte first.
  Present(0x22, {0x00, 0x00, 0x03, 0x00, 0x03, 0x00, 'a', 'b', 'c'});
  Present(0x13, {'B', 'E', 'G', 'I', 'N'});
  Present(0x34, {0x01, 0xFF, 0xFF, 'x', 'y'});  // a count far beyond the packet
  Present(0x35, {0x02, 0x07});
  EXPECT_EQ(spp, "abc");
  EXPECT_EQ(contact, "19:BEGIN");
  EXPECT_EQ(speaker, "1:xy");
  EXPECT_EQ(effects, (std::vector<int>{2, 7}));
}

TEST_F(PresenterTest, AncsEventsReachTheClientAndTheSearchResult) {
  Present(0x31, {0x00, 0x00});
  EXPECT_EQ(Present(0x31, {0x02, 'n', 's'}), "\n");
  Present(0x31, {0x03, 'd', 's'});
  EXPECT_EQ(hooks.AncsFound(), 1);
  EXPECT_EQ(hooks.AncsData(), (std::vector<std::string>{"1:ns", "2:ds"}));
}

}  // namespace
}  // namespace console
