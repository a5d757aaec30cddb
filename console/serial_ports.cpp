#include "console/serial_ports.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <system_error>

namespace console {

namespace fs = std::filesystem;

namespace {

void AddByIdTargets(const std::string& by_id, std::vector<std::string>& ports) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(by_id, ec)) {
    const fs::path target = fs::canonical(entry.path(), ec);
    if (!ec) ports.push_back(target.string());
  }
}

// A tty with a "device" link is backed by a driver (USB serial, ACM, a real UART);
// virtual consoles and the like have none. Legacy 8250 ports are listed by the kernel
// whether or not hardware exists, so only the first four are offered.
void AddSysfsTtys(const std::string& sysfs_tty, std::vector<std::string>& ports) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(sysfs_tty, ec)) {
    const std::string name = entry.path().filename().string();
    if (!fs::exists(entry.path() / "device", ec)) continue;
    const bool legacy_uart = name.rfind("ttyS", 0) == 0;
    if (legacy_uart && !(name.size() == 5 && name[4] >= '0' && name[4] <= '3')) continue;
    ports.push_back("/dev/" + name);
  }
}

}  // namespace

std::vector<std::string> ListSerialPorts(const std::string& extra, const std::string& sysfs_tty,
                                         const std::string& by_id) {
  std::vector<std::string> ports;
  AddByIdTargets(by_id, ports);
  AddSysfsTtys(sysfs_tty, ports);
  if (!extra.empty()) ports.push_back(extra);
  std::sort(ports.begin(), ports.end());
  ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
  return ports;
}

const std::vector<std::string>& BaudRateTexts() {
  static const std::vector<std::string> kRates = {"921600", "460800", "230400", "115200",
                                                  "57600",  "38400",  "28800",  "19200",
                                                  "14400",  "9600",   "4800",   "2400"};
  return kRates;
}

int ParseBaudRate(const std::string& text) {
  long long value = 0;
  for (char ch : text) {
    if (!std::isdigit(static_cast<unsigned char>(ch))) break;
    value = value * 10 + (ch - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

}  // namespace console
