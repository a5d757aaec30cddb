#pragma once
// The DSP EEPROM table: a byte image of the module's DSP configuration area with a
// two-character presence mark per byte.
//
// A mark whose first character is '*' means the byte is absent (written "**" in table
// files); any other first character means present. The record writer uses '0', the
// segment writers the value 1. The second character is '*' in every mark the program
// makes; it only matters for mark pairs that hold two hex digits read from a file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace paramtool {

using Mark = std::array<char, 2>;

inline constexpr Mark kAbsentMark{'*', '*'};
inline constexpr Mark kRecordMark{'0', '*'};
inline constexpr Mark kSegmentMark{'\x01', '*'};
inline constexpr Mark kLoadedPresentMark{'0', '0'};

struct EepromTable {
  static constexpr int kBytes = 8192;
  static constexpr int kParameterAreaBytes = 1024;  // 0x000-0x3FF, the "DSP Parameter" export

  std::array<uint8_t, kBytes> bytes{};
  std::array<Mark, kBytes> marks{};
  int size = kParameterAreaBytes;  // bytes the current document holds

  EepromTable() { clear(); }

  static constexpr bool inRange(int address) { return address >= 0 && address < kBytes; }

  bool present(int address) const { return marks[index(address)][0] != '*'; }
  // Both characters of the mark are not '*' (a pair of digits as read from a file, or "00").
  bool fullyPresent(int address) const {
    const Mark& m = marks[index(address)];
    return m[0] != '*' && m[1] != '*';
  }

  void put(int address, uint8_t value, Mark mark) {
    bytes[index(address)] = value;
    marks[index(address)] = mark;
  }
  void setMark(int address, Mark mark) { marks[index(address)] = mark; }

  // Bytes [from, to] become 0 with absent marks.
  void clearRange(int from, int to);
  // Marks of [from, to] become absent; the bytes keep their values.
  void markAbsent(int from, int to);
  // All bytes 0, all marks absent; the size is left alone.
  void clear() { clearRange(0, kBytes - 1); }

  // Big-endian 16-bit value at address (two bytes).
  int read16(int address) const { return (bytes[index(address)] << 8) | bytes[index(address + 1)]; }

 private:
  static std::size_t index(int address) { return static_cast<std::size_t>(address) & (kBytes - 1); }
};

}  // namespace paramtool
