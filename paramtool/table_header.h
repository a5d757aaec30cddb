#pragma once
// The comment header of a DSP EEPROM table file.

#include <string>

namespace paramtool {

// The editor's project name and ROM information once the main page has been collected
// or a table was loaded.
inline constexpr const char* kProjectName = "QM480x_012_ZadiVidoVIZ1.1_v1.06";
inline constexpr const char* kRomInformation = "QM480XGM_012_DUAL_SPK";

// The three document strings printed in the header.
struct DocumentStrings {
  std::string projectName;
  std::string romInformation;
  std::string moduleName;
};

struct TableDate {
  int year = 0;   // calendar year, e.g. 2016
  int month = 1;  // 1-12
  int day = 1;    // 1-31
};

// The local date now.
TableDate today();

// Header lines 1 to 10 (everything before the CheckSum line), each ending in "\n".
std::string headerText(const DocumentStrings& strings, const TableDate& date);

}  // namespace paramtool
