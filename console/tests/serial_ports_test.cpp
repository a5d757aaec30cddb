#include "console/serial_ports.h"

#include "console/tests/test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace console {
namespace {

namespace fs = std::filesystem;

TEST(ListSerialPorts, ListsDriverBackedTtysSortedWithTheExtraPort) {
  const fs::path root = fs::path(testing_support::TestDir()) / "sysfs";
  fs::remove_all(root);
  for (const char* name : {"ttyUSB2", "ttyUSB10", "ttyACM0", "ttyS0", "ttyS12"}) {
    fs::create_directories(root / "tty" / name / "device");
  }
  fs::create_directories(root / "tty" / "tty1");  // a virtual console: no device behind it
  const auto ports = ListSerialPorts("/dev/pts/7", (root / "tty").string(), (root / "none").string());
  const std::vector<std::string> expected = {"/dev/pts/7", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB10",
                                             "/dev/ttyUSB2"};
  EXPECT_EQ(ports, expected);
}

TEST(ParseBaudRate, TakesTheLeadingDigits) {
  const struct {
    const char* text;
    int rate;
  } cases[] = {{"115200", 115200}, {"9600abc", 9600}, {"abc", 0}, {"", 0}, {"250000", 250000}, {"99999999999", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(ParseBaudRate(c.text), c.rate) << c.text;
}

TEST(BaudRateTexts, TwelveRatesWith115200AtTheDefaultIndex) {
  ASSERT_EQ(BaudRateTexts().size(), 12u);
  EXPECT_EQ(BaudRateTexts().front(), "921600");
  EXPECT_EQ(BaudRateTexts()[kDefaultBaudIndex], "115200");
  EXPECT_EQ(BaudRateTexts().back(), "2400");
}

}  // namespace
}  // namespace console
