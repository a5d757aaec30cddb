#include "paramtool/eeprom_table.h"

namespace paramtool {

void EepromTable::clearRange(int from, int to) {
  for (int a = from; a <= to; ++a) put(a, 0, kAbsentMark);
}

void EepromTable::markAbsent(int from, int to) {
  for (int a = from; a <= to; ++a) setMark(a, kAbsentMark);
}

}  // namespace paramtool
