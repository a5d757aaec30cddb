#include "console/trace_format.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::uint8_t kSendSppDataOpcode = 0x12;
constexpr std::uint8_t kSppDataEventOpcode = 0x22;
constexpr int kBytesPerLine = 16;

// Offset of the opcode in a traced run: after the start byte and the length field, and after
// the fill-null byte when a command carries one.
int OpcodeOffset(int direction, const std::uint8_t* bytes, int length) {
  const bool fill_null =
      direction == kTraceCommand && length > 1 && bytes[0] == 0x00 && bytes[1] == 0xAA;
  return fill_null ? 4 : 3;
}

}  // namespace

std::string FormatTimestamp(int hours, int minutes, int seconds, int milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d\t", hours, minutes, seconds,
                milliseconds);
  return text;
}

std::string MakeTimestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto since_epoch = now.time_since_epoch();
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  return FormatTimestamp(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
}

bool IsSppDataPacket(int direction, const std::uint8_t* bytes, int length) {
  const int offset = OpcodeOffset(direction, bytes, length);
  if (length <= offset) return false;
  const std::uint8_t wanted = direction == kTraceCommand ? kSendSppDataOpcode : kSppDataEventOpcode;
  return bytes[offset] == wanted;
}

std::string FormatTraceEntry(int direction, const std::uint8_t* bytes, int length,
                             const std::string& timestamp, bool show_spp_data) {
  if (!show_spp_data && IsSppDataPacket(direction, bytes, length)) return {};
  static const char kDigits[] = "0123456789ABCDEF";
  std::string entry = timestamp;
  entry += direction == kTraceCommand ? "< Command: " : "> Event: ";
  entry.reserve(entry.size() + static_cast<std::size_t>(length) * 3 + length / kBytesPerLine + 1);
  for (int i = 0; i < length; ++i) {
    entry += kDigits[bytes[i] >> 4];
    entry += kDigits[bytes[i] & 0x0F];
    entry += ' ';
    if ((i + 1) % kBytesPerLine == 0 || i + 1 == length) entry += '\n';
  }
  return entry;
}
