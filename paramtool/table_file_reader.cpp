#include <cstdio>
#include <fstream>
#include <memory>

#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"

namespace paramtool {
namespace {

constexpr const char* kFormatWrong = "The format of EEPROM table is wrong!";
constexpr const char* kSizeWrong = "The size of EEPROM table is wrong!";
constexpr std::size_t kMaxStreamCharacters = 2 * EepromTable::kBytes;  // 16384
constexpr std::size_t kRowAddressColumns = 5;                         // "0000 " is skipped

enum class LineRead { kLine, kTooLong, kEnd };

// Reads one line without its LF and without a CR just before it. A line longer than
// kMaxTableLineLength is read to its end and reported as too long.
LineRead readLine(std::streambuf& in, std::string& line) {
  line.clear();
  bool any = false;
  bool tooLong = false;
  for (int c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
    any = true;
    if (c == '\n') break;
    if (line.size() <= kMaxTableLineLength) {
      line += static_cast<char>(c);
    } else {
      tooLong = true;
    }
  }
  if (!any) return LineRead::kEnd;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (tooLong || line.size() > kMaxTableLineLength) return LineRead::kTooLong;
  return LineRead::kLine;
}

bool isStreamCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '*'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// Appends the row's digits to the mark pairs; false (after the messages) on a bad character.
bool scanRow(const std::string& line, EepromTable& table, std::size_t& count, char& pending, Reporter& reporter) {
  for (std::size_t i = kRowAddressColumns; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ';') break;
    if (c == ' ' || c == '\t' || c == '\n') continue;
    if (!isStreamCharacter(c)) {
      char text[16];
      std::snprintf(text, sizeof text, "c = %c", c);
      reporter.show(text);
      reporter.show(kFormatWrong);
      return false;
    }
    // A pair is stored once both of its characters are there, so an odd last one is dropped.
    if (count < kMaxStreamCharacters && count % 2 == 1) table.marks[count / 2] = Mark{pending, c};
    pending = c;
    ++count;
  }
  return true;
}

bool namesEditorProject(const std::string& line) {
  return line.find("Project Name") != std::string::npos && line.find(kProjectName) != std::string::npos;
}

}  // namespace

bool parseTableText(std::istream& in, const std::string& path, EepromTable& table, Reporter& reporter,
                    TableFileInfo* info) {
  TableFileInfo local;
  TableFileInfo& out = info ? *info : local;
  out = TableFileInfo{};
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr) return false;

  std::size_t count = 0;
  char pending = 0;
  bool inHeader = true;
  std::string line;
  while (count <= kMaxStreamCharacters) {
    const LineRead read = readLine(*buffer, line);
    if (read == LineRead::kEnd) break;
    if (read == LineRead::kTooLong) {
      reporter.show(kFormatWrong);
      return false;
    }
    if (!line.empty() && line[0] == ';') {
      if (namesEditorProject(line)) out.projectLineSeen = true;
      if (inHeader) out.headerLines.push_back(line);
      continue;
    }
    if (line.size() <= kRowAddressColumns) continue;
    inHeader = false;
    if (!scanRow(line, table, count, pending, reporter)) return false;
  }

  const int size = static_cast<int>(count / 2);
  if (size < EepromTable::kParameterAreaBytes || size > EepromTable::kBytes) {
    reporter.show(kSizeWrong);
    return false;
  }
  out.size = size;
  table.size = size;
  reporter.show("Read " + path + " OK!");

  // The bytes the file holds follow their mark pairs. Bytes beyond it keep their values and
  // marks: converting their old marks as well (every mark the program makes has '*' as its
  // second character) turned the coefficient blocks and register set of the open document
  // into zeros that were still marked present, and the next Save wrote those zeros.
  for (int a = 0; a < size; ++a) {
    const Mark& m = table.marks[static_cast<std::size_t>(a)];
    table.bytes[static_cast<std::size_t>(a)] =
        (m[0] == '*' || m[1] == '*') ? 0 : static_cast<uint8_t>(hexValue(m[0]) * 16 + hexValue(m[1]));
  }
  return true;
}

bool readTableFile(const std::string& path, ParameterSet& set, Reporter& reporter, DocumentStrings* strings,
                   TableFileInfo* info) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    reporter.show("Could not open file!");
    return false;
  }
  TableFileInfo local;
  TableFileInfo& parsed = info ? *info : local;
  auto scratch = std::make_unique<EepromTable>(set.table());
  if (!parseTableText(file, path, *scratch, reporter, &parsed)) return false;

  set.table() = *scratch;
  set.afterLoad();
  if (strings != nullptr && parsed.projectLineSeen) *strings = DocumentStrings{kProjectName, kRomInformation, ""};
  return true;
}

}  // namespace paramtool
