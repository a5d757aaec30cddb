#include <cstdio>

#include "paramtool/table_checksum.h"
#include "paramtool/table_file.h"

namespace paramtool {
namespace {

constexpr const char* kColumnHeader = ";;;      0  1  2  3  4  5  6  7     8  9  A  B  C  D  E  F";
constexpr int kRowBytes = 16;

// A block separator follows these rows (the one after 0x1F0 only in tables above 512 bytes).
bool separatorAfter(int rowAddress, int size) {
  return rowAddress == 0x0C0 || rowAddress == 0x2C0 || (rowAddress == 0x1F0 && size > 512);
}

void appendCrLf(std::string& out, const std::string& line) {
  out += line;
  out += "\r\n";
}

void appendRow(std::string& out, const EepromTable& table, int rowAddress) {
  static const char kHex[] = "0123456789ABCDEF";
  char head[8];
  std::snprintf(head, sizeof head, "%04X", rowAddress & 0xFFFF);
  out += head;
  out += "    ";
  for (int i = 0; i < kRowBytes; ++i) {
    const int a = rowAddress + i;
    if (table.present(a)) {
      const uint8_t b = table.bytes[static_cast<std::size_t>(a)];
      out += kHex[b >> 4];
      out += kHex[b & 0x0F];
      out += ' ';
    } else {
      out += "** ";
    }
    if (i == 7) out += "    ";
  }
  out += "    ;\r\n";
}

}  // namespace

std::string formatTableFile(const EepromTable& table, int size, const DocumentStrings& strings,
                            const TableDate& date) {
  if (size < 0) size = 0;
  if (size > EepromTable::kBytes) size = EepromTable::kBytes;

  const std::string header = headerText(strings, date);
  std::string out;
  out.reserve(static_cast<std::size_t>(size) * 4 + 1024);
  // The header is built with "\n" line ends; the file has CR LF.
  for (char c : header) {
    if (c == '\n') out += '\r';
    out += c;
  }
  if (const auto checksum = computeChecksum(table, header)) {
    char line[40];
    std::snprintf(line, sizeof line, ";CheckSum   : 0x%04X;", *checksum);
    appendCrLf(out, line);
  }
  appendCrLf(out, "");
  appendCrLf(out, kColumnHeader);
  for (int row = 0; row + kRowBytes <= size; row += kRowBytes) {
    appendRow(out, table, row);
    if (separatorAfter(row, size) && row + kRowBytes < size) {
      appendCrLf(out, "");
      appendCrLf(out, kColumnHeader);
    }
  }
  return out;
}

bool writeTableFile(const std::string& path, const EepromTable& table, int size, const DocumentStrings& strings,
                    Reporter& reporter, const TableDate& date) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    reporter.show("open file fail");
    return false;
  }
  const std::string text = formatTableFile(table, size, strings, date);
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    // A file that could not be written completely is not reported as saved.
    reporter.show("open file fail");
    return false;
  }
  reporter.show(path + " is saved successfully!");
  return true;
}

}  // namespace paramtool
