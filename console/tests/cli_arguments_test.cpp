#include "console/cli/cli_arguments.h"

#include "link/command_recorder.h"
#include "link/tests/hex_bytes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Args = std::vector<std::string>;

Args WithPort(Args args) {
  args.insert(args.begin(), {"--port", "/dev/null"});
  return args;
}

// The packets the command line's steps frame, in order.
std::vector<Bytes> PacketsOf(const CliOptions& options) {
  CommandRecorder recorder;
  for (const CliStep& step : options.steps) {
    if (step.send) {
      EXPECT_EQ(step.send(recorder), kSent) << step.text;
    }
  }
  return recorder.Packets();
}

struct LineCase {
  const char* name;
  Args args;
  const char* packet;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class CliCommandTest : public testing::TestWithParam<LineCase> {};

TEST_P(CliCommandTest, FramesTheCatalogueCommand) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(ParseCliArguments(WithPort(GetParam().args), options, error)) << error;
  const std::vector<Bytes> packets = PacketsOf(options);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], Hex(GetParam().packet));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliCommandTest,
    testing::Values(
        LineCase{"MmiAction", {"MMI_ACTION", "01", "04"}, "AA 00 03 02 01 04 F6"},
        LineCase{"RawSeparateBytes", {"raw", "02", "01", "04"}, "AA 00 03 02 01 04 F6"},
        LineCase{"RawOneArgument", {"raw", "020104"}, "AA 00 03 02 01 04 F6"},
        LineCase{"RawOpcodeOnly", {"raw", "2"}, "AA 00 01 02 FD"},
        LineCase{"Disconnect", {"DISCONNECT", "0F"}, "AA 00 02 18 0F D7"},
        LineCase{"StatusReportMask", {"STATUS_REPORT_MASK", "02", "00", "20", "00"},
                 "AA 00 05 03 02 00 20 00 D6"},
        LineCase{"StatusReportMaskOneArgument", {"STATUS_REPORT_MASK", "02002000"},
                 "AA 00 05 03 02 00 20 00 D6"},
        LineCase{"MakeCallDigitsAreText", {"MAKE_CALL", "00", "5551234"},
                 "AA 00 09 00 00 35 35 35 31 32 33 34 8E"},
        LineCase{"DeviceNameWithBlank", {"CHANGE_DEVICE_NAME", "Kitchen SPK"},
                 "AA 00 0C 05 4B 69 74 63 68 65 6E 20 53 50 4B 1B"},
        LineCase{"LeConnectionUpdate", {"LE_CONTROL", "02", "0006", "0C80", "0", "000A"},
                 "AA 00 0A 29 02 00 06 0C 80 00 00 00 0A 2F"},
        LineCase{"LeQueryStatus", {"LE_CONTROL", "00"}, "AA 00 02 29 00 D5"},
        LineCase{"AncsSubscribe", {"ANCS_CONTROL", "01", "01"}, "AA 00 03 28 01 01 D3"},
        LineCase{"TtsStart", {"TTS_DATA", "00", "01"}, "AA 00 03 20 00 01 DC"},
        LineCase{"TtsChunk", {"TTS_DATA", "01", "03", "AABB"}, "AA 00 05 20 01 03 AA BB 72"},
        LineCase{"LinkBackDedicate", {"PROFILE_LINK_BACK", "04", "02", "07"},
                 "AA 00 04 17 04 02 07 D8"},
        LineCase{"LinkBackProfile", {"PROFILE_LINK_BACK", "01"}, "AA 00 02 17 01 E6"},
        LineCase{"SppPayloadRun", {"SEND_SPP_DATA", "00", "00", "3", "61", "6263"},
                 "AA 00 0A 12 00 00 00 03 00 03 61 62 63 B8"},
        LineCase{"UartBufferSize", {"SET_UART_BUFFER_SIZE", "200"}, "AA 00 03 1F 02 00 DC"},
        LineCase{"GpioGroups", {"GPIO_CONTROL", "01020304", "05060708", "090A0B0C"},
                 "AA 00 0D 1E 01 02 03 04 05 06 07 08 09 0A 0B 0C 87"}),
    [](const testing::TestParamInfo<LineCase>& p) { return p.param.name; });

TEST(CliArguments, StepsKeepTheirOrderAndPauses) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(ParseCliArguments(
      WithPort({"MMI_ACTION", "00", "53", "wait", "100", "raw", "02", "00", "54", "--for", "0.25"}),
      options, error))
      << error;
  ASSERT_EQ(options.steps.size(), 3u);
  EXPECT_EQ(options.steps[1].wait_ms, 100u);
  EXPECT_FALSE(options.steps[1].send);
  EXPECT_EQ(options.listen_ms, 250u);
  const std::vector<Bytes> packets = PacketsOf(options);
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[0][5], 0x53);
  EXPECT_EQ(packets[1][5], 0x54);
}

TEST(CliArguments, OptionsHaveTheirDefaults) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(ParseCliArguments({"--port", "/dev/ttyUSB0"}, options, error)) << error;
  EXPECT_EQ(options.baud_rate, 115200u);
  EXPECT_FALSE(options.fill_null);
  EXPECT_EQ(options.listen_ms, 1000u);
  ASSERT_TRUE(ParseCliArguments({"--fill-null", "--baud", "9600", "--port", "p"}, options, error));
  EXPECT_TRUE(options.fill_null);
  EXPECT_EQ(options.baud_rate, 9600u);
}

struct BadCase {
  const char* name;
  Args args;
  const char* message;  // a part of the error text
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class CliBadArgumentTest : public testing::TestWithParam<BadCase> {};

TEST_P(CliBadArgumentTest, IsRefusedWithAClearMessage) {
  CliOptions options;
  std::string error;
  EXPECT_FALSE(ParseCliArguments(GetParam().args, options, error));
  EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliBadArgumentTest,
    testing::Values(
        BadCase{"NoPort", {"MMI_ACTION", "00", "04"}, "--port PATH is required"},
        BadCase{"UnknownCommand", WithPort({"FOO"}), "unknown command 'FOO'"},
        BadCase{"MissingValue", WithPort({"MMI_ACTION", "01"}), "ACTION expects a hexadecimal byte (00 to FF), got nothing"},
        BadCase{"ByteTooWide", WithPort({"MMI_ACTION", "01", "104"}), "got '104'"},
        BadCase{"NotHex", WithPort({"DISCONNECT", "0G"}), "got '0G'"},
        BadCase{"NoSuchVariant", WithPort({"LE_CONTROL", "05"}), "match none of its forms"},
        BadCase{"FlagAboveOne", WithPort({"ANCS_CONTROL", "01", "02"}), "00 or 01"},
        BadCase{"FixedRunShort", WithPort({"GPIO_CONTROL", "01", "02"}), "exactly 12"},
        BadCase{"OddDigitsInRun", WithPort({"raw", "123"}), "raw:"},
        BadCase{"RawWithoutOpcode", WithPort({"raw"}), "raw:"},
        BadCase{"DialTooLong", WithPort({"MAKE_CALL", "00", "123456789012345678901"}), "at most 20"},
        BadCase{"NameTooLong", WithPort({"CHANGE_DEVICE_NAME", std::string(33, 'n')}), "too long"},
        BadCase{"WaitNotANumber", WithPort({"wait", "soon"}), "wait: expects"},
        BadCase{"BaudZero", WithPort({"--baud", "0"}), "--baud expects"},
        BadCase{"ForNegative", WithPort({"--for", "-1"}), "--for expects"},
        BadCase{"UnknownOption", WithPort({"--bogus"}), "unknown option '--bogus'"}),
    [](const testing::TestParamInfo<BadCase>& p) { return p.param.name; });

// Arguments for one help line: a sample value for every shape, selectors as they stand.
Args SampleArguments(const std::string& line) {
  std::istringstream words(line);
  Args args;
  std::string word;
  while (words >> word) {
    const auto bracket = word.find('[');
    if (args.empty() || word == "MS") {
      args.push_back(args.empty() ? word : "5");
    } else if (word.front() == '"') {
      args.push_back("1");
    } else if (bracket != std::string::npos) {
      args.insert(args.end(), std::stoul(word.substr(bracket + 1)), "00");
    } else if (word.size() > 3 && word.compare(word.size() - 3, 3, "...") == 0) {
      args.push_back("AA");
    } else if (word.size() > 3 && word.compare(word.size() - 3, 3, ":16") == 0) {
      args.push_back("0006");
    } else {
      args.push_back("01");  // a byte, a flag, or a selector in hex that stands for itself
      if (word.find_first_not_of("0123456789ABCDEF") == std::string::npos) args.back() = word;
    }
  }
  return args;
}

TEST(CliHelp, EveryListedFormParsesAndBuilds) {
  std::istringstream list(CliCommandList());
  std::string line;
  int forms = 0;
  while (std::getline(list, line)) {
    CliOptions options;
    std::string error;
    ASSERT_TRUE(ParseCliArguments(WithPort(SampleArguments(line)), options, error))
        << line << ": " << error;
    ASSERT_EQ(options.steps.size(), 1u) << line;
    ++forms;
  }
  EXPECT_GT(forms, 0);
  EXPECT_NE(CliHelpText().find("LE_CONTROL 02 INTERVAL_MIN:16 INTERVAL_MAX:16"), std::string::npos);
}

TEST(CliHelp, NeedsNoPort) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(ParseCliArguments({"--help"}, options, error)) << error;
  EXPECT_TRUE(options.help);
}

}  // namespace
