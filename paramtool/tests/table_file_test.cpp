#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"
#include "test_support.h"

namespace paramtool {
namespace {

using test::crlfLines;
using test::RecordingReporter;

const TableDate kDay{2016, 4, 12};
const DocumentStrings kEditorStrings{kProjectName, kRomInformation, ""};
constexpr const char* kColumnHeader = ";;;      0  1  2  3  4  5  6  7     8  9  A  B  C  D  E  F";

// Rows of the table text: (first row address, row count) for each block.
std::vector<std::pair<int, int>> rowBlocks(const std::vector<std::string>& lines) {
  std::vector<std::pair<int, int>> blocks;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != kColumnHeader) continue;
    EXPECT_EQ(lines[i - 1], "");
    int count = 0;
    std::size_t j = i + 1;
    while (j < lines.size() && !lines[j].empty()) ++j, ++count;
    blocks.emplace_back(std::stoi(lines[i + 1].substr(0, 4), nullptr, 16), count);
  }
  return blocks;
}

TEST(TableFileWriter, HeaderLinesAreExact) {
  const std::vector<std::string> lines = crlfLines(formatTableFile(EepromTable{}, 1024, kEditorStrings, kDay));
  const std::vector<std::string> expected = {
      ";EEPROM Setting value;",
      ";Project Name: QM480x_012_ZadiVidoVIZ1.1_v1.06;",
      ";ROM Information: QM480XGM_012_DUAL_SPK;",
      ";Module Name: ;",
      ";DSP Patch Version: 01;",
      ";Brief  :Speech/Audio Quality Enhancement;",
      ";Data_Type:1000;",
      ";Data_Version:1.06;",
      ";Application : DSP EEPROM Table;",
      ";Date        : 16/04/12;",
  };
  ASSERT_GT(lines.size(), 13u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), expected);
  EXPECT_EQ(lines[10].substr(0, 16), ";CheckSum   : 0x");
  EXPECT_EQ(lines[10].size(), 21u);
  EXPECT_EQ(lines[10].back(), ';');
  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], kColumnHeader);

  // Years before 2000 print without the century too.
  const std::string y1999 = formatTableFile(EepromTable{}, 1024, kEditorStrings, TableDate{1999, 12, 31});
  EXPECT_NE(y1999.find(";Date        : 99/12/31;\r\n"), std::string::npos);
}

TEST(TableFileWriter, FullAndParameterTablesHaveThreeBlockSeparators) {
  EepromTable table;
  const auto full = crlfLines(formatTableFile(table, 8192, kEditorStrings, kDay));
  EXPECT_EQ(rowBlocks(full), (std::vector<std::pair<int, int>>{{0x000, 13}, {0x0D0, 19}, {0x200, 13}, {0x2D0, 467}}));
  EXPECT_EQ(full.size(), 11u + 8 + 512);
  EXPECT_EQ(full.back().substr(0, 4), "1FF0");

  const auto parameters = crlfLines(formatTableFile(table, 1024, kEditorStrings, kDay));
  EXPECT_EQ(rowBlocks(parameters),
            (std::vector<std::pair<int, int>>{{0x000, 13}, {0x0D0, 19}, {0x200, 13}, {0x2D0, 19}}));
  EXPECT_EQ(parameters.back().substr(0, 4), "03F0");

  const std::string text = formatTableFile(table, 1024, kEditorStrings, kDay);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");  // every line ends in CR LF, nothing follows
}

TEST(TableFileWriter, RowsShowPresentBytesInHexAndAbsentOnesAsStars) {
  EepromTable table;
  for (int i = 0; i < 16; ++i) table.put(i, static_cast<uint8_t>(i), kRecordMark);
  table.put(0x10, 0xAB, kSegmentMark);
  table.put(0x1F, 0x5C, kRecordMark);
  const auto lines = crlfLines(formatTableFile(table, 1024, kEditorStrings, kDay));
  EXPECT_EQ(lines[13], "0000    00 01 02 03 04 05 06 07     08 09 0A 0B 0C 0D 0E 0F     ;");
  EXPECT_EQ(lines[14], "0010    AB ** ** ** ** ** ** **     ** ** ** ** ** ** ** 5C     ;");
}

TEST(TableFileWriter, ReportsSavedFileAndRefusesToClaimAFailedOne) {
  test::ScratchDir dir;
  RecordingReporter reporter;
  const std::string path = dir.file("Default.txt");
  EXPECT_TRUE(writeTableFile(path, EepromTable{}, 8192, kEditorStrings, reporter, kDay));
  EXPECT_EQ(test::readFile(path), formatTableFile(EepromTable{}, 8192, kEditorStrings, kDay));

  EXPECT_FALSE(writeTableFile(dir.file("no/such/dir.txt"), EepromTable{}, 8192, kEditorStrings, reporter, kDay));
  // A device that accepts the open but not the data: the save must not be reported done.
  EXPECT_FALSE(writeTableFile("/dev/full", EepromTable{}, 8192, kEditorStrings, reporter, kDay));
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{path + " is saved successfully!", "open file fail", "open file fail"}));
}

// The checksum as defined: SHA-256 over one little-endian word per table byte (0xFF00
// when absent), then one sign-extended word per header character without ';' and line
// ends; the digest's bytes summed.
uint16_t checksumByDefinition(const EepromTable& table, const std::string& headerLines) {
  std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr);
  for (int a = 0; a < 8192; ++a) {
    const unsigned word = table.marks[static_cast<std::size_t>(a)][0] == '*' ? 0xFF00u : table.bytes[static_cast<std::size_t>(a)];
    const unsigned char le[2] = {static_cast<unsigned char>(word), static_cast<unsigned char>(word >> 8)};
    EVP_DigestUpdate(ctx.get(), le, 2);
  }
  for (char c : headerLines) {
    if (c == ';' || c == '\r' || c == '\n') continue;
    const int extended = static_cast<signed char>(c);
    const unsigned char le[2] = {static_cast<unsigned char>(extended & 0xFF), static_cast<unsigned char>((extended >> 8) & 0xFF)};
    EVP_DigestUpdate(ctx.get(), le, 2);
  }
  unsigned char digest[32];
  unsigned int length = 0;
  EVP_DigestFinal_ex(ctx.get(), digest, &length);
  unsigned sum = 0;
  for (unsigned char b : digest) sum += b;
  return static_cast<uint16_t>(sum);
}

unsigned statedChecksum(const std::string& text) {
  const std::size_t at = text.find(";CheckSum   : 0x");
  return static_cast<unsigned>(std::stoul(text.substr(at + 16, 4), nullptr, 16));
}

TEST(TableChecksum, MatchesItsDefinitionAndDependsOnTheDay) {
  ParameterSet set;
  set.newDocument();
  set.storeValues();
  set.table().put(0x400, 0x80, kRecordMark);  // a byte outside the written rows still counts
  const EepromTable& table = set.table();
  DocumentStrings strings{kProjectName, "", ""};
  strings.moduleName = "\xE9t\xE9";  // characters above 0x7F are sign-extended

  const std::string text = formatTableFile(table, 1024, strings, kDay);
  const std::string header = text.substr(0, text.find(";CheckSum"));
  EXPECT_EQ(statedChecksum(text), checksumByDefinition(table, header));

  EXPECT_EQ(statedChecksum(formatTableFile(table, 8192, strings, kDay)), statedChecksum(text));
  EXPECT_NE(statedChecksum(formatTableFile(table, 1024, strings, TableDate{2016, 4, 13})), statedChecksum(text));
}

TEST(TableChecksum, IsLeftOutForAHeaderOverAThousandCharacters) {
  const DocumentStrings longName{std::string(1000, 'x'), "", ""};
  const std::string text = formatTableFile(EepromTable{}, 1024, longName, kDay);
  EXPECT_EQ(text.find(";CheckSum"), std::string::npos);
  EXPECT_NE(text.find(";Date        : 16/04/12;\r\n\r\n;;;"), std::string::npos);
}

// ---- reading ---------------------------------------------------------------------------

std::string rowsOf(int bytes, const char* cell = "5A ") {
  std::string text;
  for (int row = 0; row < bytes; row += 16) {
    char head[8];
    std::snprintf(head, sizeof head, "%04X ", row);
    text += head;
    for (int i = row; i < row + 16 && i < bytes; ++i) text += cell;
    text += ";\r\n";
  }
  return text;
}

struct ParseOutcome {
  bool ok;
  std::vector<std::string> messages;
  EepromTable table;
};

ParseOutcome parse(const std::string& text) {
  ParseOutcome outcome{false, {}, EepromTable{}};
  std::istringstream in(text);
  RecordingReporter reporter;
  outcome.ok = parseTableText(in, "T.txt", outcome.table, reporter);
  outcome.messages = reporter.messages;
  return outcome;
}

TEST(TableFileReader, ValidatesCharactersSizeAndLineLength) {
  const std::string format = "The format of EEPROM table is wrong!";
  const std::string size = "The size of EEPROM table is wrong!";
  const struct {
    const char* name;
    std::string text;
    bool ok;
    std::vector<std::string> messages;
  } cases[] = {
      {"1024 bytes", rowsOf(1024), true, {"Read T.txt OK!"}},
      {"8192 bytes", rowsOf(8192), true, {"Read T.txt OK!"}},
      {"1023 bytes", rowsOf(1023), false, {size}},
      {"8193 bytes", rowsOf(8193), false, {size}},
      {"lower-case digits", rowsOf(16) + "0010 5a ;\r\n" + rowsOf(1024), false, {"c = a", format}},
      {"a stray letter", "0000 5A 5G\r\n", false, {"c = G", format}},
      {"299 characters", std::string(";") + std::string(298, 'x') + "\r\n" + rowsOf(1024), true, {"Read T.txt OK!"}},
      {"300 characters", std::string(";") + std::string(299, 'x') + "\r\n" + rowsOf(1024), false, {format}},
      {"an odd last digit", rowsOf(1024) + "0400 5\r\n", true, {"Read T.txt OK!"}},
      {"empty", "", false, {size}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ParseOutcome outcome = parse(c.text);
    EXPECT_EQ(outcome.ok, c.ok);
    EXPECT_EQ(outcome.messages, c.messages);
  }
}

TEST(TableFileReader, SkipsCommentsShortLinesTabsAndTheRowAddress) {
  std::string text = ";Project Name: QM480x_012_ZadiVidoVIZ1.1_v1.06;\r\n\r\n1234\r\n";
  text += "FFFF\t01 02\t03 ** ;ignored 0G\r\n";  // the row address is skipped, ';' ends the row
  text += rowsOf(1024 - 4);
  TableFileInfo info;
  EepromTable table;
  std::istringstream in(text);
  RecordingReporter reporter;
  ASSERT_TRUE(parseTableText(in, "T.txt", table, reporter, &info));
  EXPECT_EQ(info.size, 1024);
  EXPECT_TRUE(info.projectLineSeen);
  EXPECT_EQ(table.bytes[0], 0x01);
  EXPECT_EQ(table.bytes[2], 0x03);
  EXPECT_FALSE(table.present(3));
  EXPECT_EQ(table.bytes[4], 0x5A);
}

TEST(TableFileReader, AbsentBytesReadBackAsZeroAndAbsent) {
  EepromTable written;
  for (int a = 0; a < 8192; ++a) written.put(a, static_cast<uint8_t>(a * 7), (a % 3 == 0) ? kAbsentMark : kRecordMark);
  const ParseOutcome outcome = parse(formatTableFile(written, 8192, kEditorStrings, kDay));
  ASSERT_TRUE(outcome.ok);
  for (int a = 0; a < 8192; ++a) {
    const bool absent = a % 3 == 0;
    ASSERT_EQ(outcome.table.present(a), !absent) << a;
    ASSERT_EQ(outcome.table.bytes[static_cast<std::size_t>(a)], absent ? 0 : static_cast<uint8_t>(a * 7)) << a;
  }
}

TEST(TableFileReader, BytesBeyondAShortFileKeepTheirValuesAndMarks) {
  EepromTable table;
  table.put(0x400, 0x77, kRecordMark);  // made by the program: its second character is '*'
  table.put(0x401, 0x66, kLoadedPresentMark);
  table.put(0x402, 0x55, kAbsentMark);
  std::istringstream in(rowsOf(1024) + "0400 A\r\n");  // an odd last character is dropped
  RecordingReporter reporter;
  ASSERT_TRUE(parseTableText(in, "T.txt", table, reporter));
  EXPECT_EQ(table.size, 1024);
  EXPECT_EQ(table.bytes[0x3FF], 0x5A);
  EXPECT_EQ(table.bytes[0x400], 0x77);
  EXPECT_EQ(table.marks[0x400], kRecordMark);
  EXPECT_EQ(table.bytes[0x401], 0x66);
  EXPECT_EQ(table.marks[0x402], kAbsentMark);
}

TEST(TableFileReader, KeepsPresentBytesAbove0x10FF) {
  EepromTable written;
  written.put(0x1500, 0xA5, kRecordMark);
  written.put(0x1FFF, 0x3C, kRecordMark);
  const ParseOutcome outcome = parse(formatTableFile(written, 8192, kEditorStrings, kDay));
  ASSERT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.table.bytes[0x1500], 0xA5);
  EXPECT_EQ(outcome.table.bytes[0x1FFF], 0x3C);
}

class TableFileLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    set.newDocument();
    set.set(0x316, 0x02);
    set.storeValues();
  }
  bool load(const std::string& text) {
    const std::string path = dir.file("in.txt");
    test::writeFile(path, text);
    return readTableFile(path, set, reporter, &strings);
  }
  test::ScratchDir dir;
  ParameterSet set;
  RecordingReporter reporter;
  DocumentStrings strings{"before", "", ""};
};

TEST_F(TableFileLoad, AFailedLoadLeavesTheDocumentAsItWas) {
  const auto tableBefore = std::make_unique<EepromTable>(set.table());
  const std::string bad = ";Project Name: QM480x_012_ZadiVidoVIZ1.1_v1.06;\r\n" + rowsOf(512) + "0200 5a\r\n";
  for (const std::string& text : {bad, rowsOf(1000)}) {
    EXPECT_FALSE(load(text));
    EXPECT_EQ(set.table().bytes, tableBefore->bytes);
    EXPECT_EQ(set.table().marks, tableBefore->marks);
    EXPECT_EQ(set.table().size, tableBefore->size);
    EXPECT_EQ(set.value(0x316), 0x02);
    EXPECT_EQ(strings.projectName, "before");
  }
  EXPECT_FALSE(readTableFile(dir.file("missing.txt"), set, reporter, &strings));
  EXPECT_EQ(reporter.messages.back(), "Could not open file!");
}

TEST_F(TableFileLoad, ALoadReplacesTheTableRunsAfterLoadAndNamesTheProject) {
  ParameterSet other;
  other.newDocument();
  other.set(0x316, 0x06);
  other.storeValues();
  ASSERT_TRUE(load(formatTableFile(other.table(), 8192, kEditorStrings, kDay)));
  EXPECT_EQ(set.value(0x316), 0x06);
  EXPECT_EQ(set.table().size, 8192);
  EXPECT_EQ(strings.projectName, kProjectName);
  EXPECT_EQ(strings.romInformation, kRomInformation);
  EXPECT_EQ(reporter.messages.back(), "Read " + dir.file("in.txt") + " OK!");
}

}  // namespace
}  // namespace paramtool
