#pragma once
// Port and baud selection of the "Serial Port" group.

#include <string>
#include <vector>

namespace console {

// Device paths of the system's serial devices (/dev/serial/by-id targets and the tty
// devices that sysfs shows with a driver behind them), plus `extra` when it is not empty;
// sorted alphabetically, without duplicates.
std::vector<std::string> ListSerialPorts(const std::string& extra = {},
                                         const std::string& sysfs_tty = "/sys/class/tty",
                                         const std::string& by_id = "/dev/serial/by-id");

// The twelve rates of the baud list, in their list order.
const std::vector<std::string>& BaudRateTexts();
constexpr int kDefaultBaudIndex = 3;  // "115200"

// The decimal value of the leading digits of the text; 0 when there are none.
int ParseBaudRate(const std::string& text);

}  // namespace console
