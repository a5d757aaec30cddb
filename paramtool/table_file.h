#pragma once
// DSP EEPROM table text files: a comment header with a checksum, then the table as rows
// of sixteen hex bytes ("** " for an absent byte), every line ending in CR LF.

#include <istream>
#include <string>
#include <vector>

#include "paramtool/eeprom_table.h"
#include "paramtool/reporter.h"
#include "paramtool/table_header.h"

namespace paramtool {

class ParameterSet;

// The longest line the reader accepts, without its line end.
inline constexpr std::size_t kMaxTableLineLength = 299;

// ---- writing ---------------------------------------------------------------------------

// The complete text of a table file for the first `size` bytes of `table` (a multiple of 16).
std::string formatTableFile(const EepromTable& table, int size, const DocumentStrings& strings,
                            const TableDate& date);

// Writes the file; reports "open file fail" or "<path> is saved successfully!".
bool writeTableFile(const std::string& path, const EepromTable& table, int size, const DocumentStrings& strings,
                    Reporter& reporter, const TableDate& date = today());

// ---- reading ---------------------------------------------------------------------------

struct TableFileInfo {
  std::vector<std::string> headerLines;  // comment lines before the first row, without line ends
  bool projectLineSeen = false;          // a "Project Name" line naming the editor's project
  int size = 0;                          // table bytes read
};

// Parses table text into `table`: the digits go into its marks, then each byte the file
// holds is converted from its mark pair (0 when either character is '*'). Bytes beyond the
// file keep their values and marks. On failure the reasons are reported and `table` may hold
// a part of the file.
bool parseTableText(std::istream& in, const std::string& path, EepromTable& table, Reporter& reporter,
                    TableFileInfo* info = nullptr);

// Loads a table file into the document: parses into a copy of its table, and only when
// that succeeds replaces the table, runs afterLoad and, if the file names the editor's
// project, sets the document strings. A failed load changes nothing.
bool readTableFile(const std::string& path, ParameterSet& set, Reporter& reporter,
                   DocumentStrings* strings = nullptr, TableFileInfo* info = nullptr);

}  // namespace paramtool
