#pragma once
// Small formatting helpers of the event texts.

#include <cstdio>
#include <string>

namespace console {

// printf-style formatting of one short text (at most 255 bytes).
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[256];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n < 0) return {};
  return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n) : sizeof buffer - 1);
}

// UTF-8 to wide text; a byte that does not start a well-formed sequence becomes U+FFFD.
std::wstring Wide(const std::string& utf8);

}  // namespace console
