#pragma once
// The informative checksum of a DSP EEPROM table file: the sum of the 32 bytes of a
// SHA-256 digest over the whole 8192-byte image and the header text.

#include <cstdint>
#include <optional>
#include <string>

#include "paramtool/eeprom_table.h"

namespace paramtool {

// Header text longer than this (after removing ';' and line ends) gets no checksum.
inline constexpr std::size_t kChecksumHeaderLimit = 1000;

// `header` is the text of the header lines before the CheckSum line. Absent bytes count
// as 0xFF00. Returns nothing when the header is too long to be summed.
std::optional<uint16_t> computeChecksum(const EepromTable& table, const std::string& header);

}  // namespace paramtool
