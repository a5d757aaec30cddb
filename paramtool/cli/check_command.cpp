// sorrel-cli check FILE: reads a table file as Load does and recomputes its checksum.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "paramtool/cli/collecting_reporter.h"
#include "paramtool/cli/subcommand.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_checksum.h"
#include "paramtool/table_file.h"

namespace paramtool::cli {
namespace {

constexpr const char* kChecksumLine = ";CheckSum";

// The value the file states on its CheckSum line, or -1 when it states none.
long statedChecksum(const std::string& line) {
  const std::size_t at = line.find("0x");
  if (at == std::string::npos) return -1;
  char* end = nullptr;
  const long value = std::strtol(line.c_str() + at + 2, &end, 16);
  return end == line.c_str() + at + 2 ? -1 : value;
}

int runCheck(const Arguments& args, CliIo& io);

const Subcommand kCheck{"check", "FILE", "validate a table file and verify its checksum", runCheck};

int runCheck(const Arguments& args, CliIo& io) {
  if (args.size() != 1) return usageError(kCheck, io);
  const std::string& path = args[0];
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    io.err << "Could not open file!\n";
    return kExitRejected;
  }
  // The file is read over a fresh document, as the editor reads it after start-up.
  auto set = std::make_unique<ParameterSet>();
  set->newDocument();
  auto table = std::make_unique<EepromTable>(set->table());
  CollectingReporter reporter;
  TableFileInfo info;
  if (!parseTableText(file, path, *table, reporter, &info)) {
    reporter.printTo(io.err);
    return kExitRejected;
  }
  io.out << "size " << info.size << "\n";
  if (info.size < EepromTable::kBytes) {
    io.out << "not verifiable\n";  // the checksum covers the whole image
    return kExitOk;
  }

  // The checksum covers the header lines before the CheckSum line.
  std::string header;
  long stated = -1;
  bool checksumLineFound = false;
  for (const std::string& line : info.headerLines) {
    if (line.compare(0, std::string(kChecksumLine).size(), kChecksumLine) == 0) {
      stated = statedChecksum(line);
      checksumLineFound = true;
      break;
    }
    header += line + "\n";
  }
  const auto computed = computeChecksum(*table, header);
  if (!checksumLineFound || !computed) {
    io.out << "not verifiable\n";
    return kExitOk;
  }
  char text[32];
  std::snprintf(text, sizeof text, "checksum 0x%04X\n", *computed);
  io.out << text;
  if (stated == *computed) {
    io.out << "verified\n";
    return kExitOk;
  }
  io.out << "mismatch\n";
  return kExitMismatch;
}

}  // namespace

const Subcommand& checkCommand() { return kCheck; }

}  // namespace paramtool::cli
