#include "paramtool/table_header.h"

#include <cstdio>
#include <ctime>

namespace paramtool {

TableDate today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return TableDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string headerText(const DocumentStrings& strings, const TableDate& date) {
  // The year is printed as years since 1900, less 100 from 2000 on (2016 prints 16).
  int year = date.year - 1900;
  if (year >= 100) year -= 100;
  char dateLine[64];
  std::snprintf(dateLine, sizeof dateLine, ";Date        : %02d/%02d/%02d;\n", year, date.month, date.day);

  std::string text;
  text += ";EEPROM Setting value;\n";
  text += ";Project Name: " + strings.projectName + ";\n";
  text += ";ROM Information: " + strings.romInformation + ";\n";
  text += ";Module Name: " + strings.moduleName + ";\n";
  text += ";DSP Patch Version: 01;\n";
  text += ";Brief  :Speech/Audio Quality Enhancement;\n";
  text += ";Data_Type:1000;\n";
  text += ";Data_Version:1.06;\n";
  text += ";Application : DSP EEPROM Table;\n";
  text += dateLine;
  return text;
}

}  // namespace paramtool
