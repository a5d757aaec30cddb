#pragma once
// Byte runs written as hexadecimal text in tests: Hex("AA 00 02 14 05 E5").

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes Hex(const std::string& text) {
  Bytes out;
  std::istringstream in(text);
  unsigned value = 0;
  while (in >> std::hex >> value) out.push_back(static_cast<std::uint8_t>(value));
  return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}
