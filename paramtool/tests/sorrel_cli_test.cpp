#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "paramtool/cli/sorrel_cli.h"
#include "paramtool/cli/subcommand.h"

namespace paramtool::cli {
namespace {

TEST(SorrelCli, NoArgumentsPrintsHelpAndFails) {
  std::ostringstream out, err;
  EXPECT_EQ(runSorrelCli({}, out, err), kExitUsage);
  EXPECT_NE(err.str().find("usage: sorrel-cli COMMAND"), std::string::npos);
}

TEST(SorrelCli, UnknownCommandIsNamed) {
  std::ostringstream out, err;
  EXPECT_EQ(runSorrelCli({"frobnicate"}, out, err), kExitUsage);
  EXPECT_NE(err.str().find("unknown command 'frobnicate'"), std::string::npos);
}

TEST(SorrelCli, HelpListsEverySubcommand) {
  std::ostringstream out, err;
  EXPECT_EQ(runSorrelCli({"help"}, out, err), kExitOk);
  for (const Subcommand* command : allSubcommands()) {
    EXPECT_NE(out.str().find(std::string("  ") + command->name + " "), std::string::npos) << command->name;
  }
}

}  // namespace
}  // namespace paramtool::cli

#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"
#include "test_support.h"

namespace paramtool::cli {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun run(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = runSorrelCli(args, out, err);
  return CliRun{code, out.str(), err.str()};
}

class SorrelCliFiles : public ::testing::Test {
 protected:
  // A table file as the editor writes it, with one line replaced when `from` is given.
  std::string tableFile(int size, const std::string& from = "", const std::string& to = "") {
    ParameterSet set;
    set.newDocument();
    set.storeValues();
    std::string text = formatTableFile(set.table(), size, DocumentStrings{kProjectName, "", ""}, TableDate{2024, 3, 5});
    if (!from.empty()) text.replace(text.find(from), from.size(), to);
    const std::string path = dir.file("t" + std::to_string(files++) + ".txt");
    test::writeFile(path, text);
    return path;
  }
  test::ScratchDir dir;
  int files = 0;
};

TEST_F(SorrelCliFiles, CheckVerifiesTheChecksumOfAFullTable) {
  const std::string good = tableFile(8192);
  const CliRun verified = run({"check", good});
  EXPECT_EQ(verified.code, kExitOk);
  const std::string stated = test::readFile(good).substr(test::readFile(good).find(";CheckSum   : ") + 14, 6);
  EXPECT_EQ(verified.out, "size 8192\nchecksum " + stated + "\nverified\n");

  const struct {
    const char* name;
    std::string path;
    int code;
    std::string lastLine;
  } cases[] = {
      {"a changed byte", tableFile(8192, "0300    3F", "0300    3E"), kExitMismatch, "mismatch"},
      {"a changed header line", tableFile(8192, "Data_Type:1000", "Data_Type:1001"), kExitMismatch, "mismatch"},
      {"a parameter file", tableFile(1024), kExitOk, "not verifiable"},
      {"no checksum line", tableFile(8192, ";CheckSum", ";Nothing"), kExitOk, "not verifiable"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun r = run({"check", c.path});
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), c.lastLine + "\n");
  }
}

TEST_F(SorrelCliFiles, CheckPrintsTheReadersMessagesForARejectedFile) {
  const CliRun lower = run({"check", tableFile(8192, "0300    3F", "0300    3f")});
  EXPECT_EQ(lower.code, kExitRejected);
  EXPECT_EQ(lower.err, "c = f\nThe format of EEPROM table is wrong!\n");
  EXPECT_EQ(lower.out, "");

  const CliRun missing = run({"check", dir.file("missing.txt")});
  EXPECT_EQ(missing.code, kExitRejected);
  EXPECT_EQ(missing.err, "Could not open file!\n");
  EXPECT_EQ(run({"check"}).code, kExitUsage);
}

TEST_F(SorrelCliFiles, DumpListsEveryRecordInListOrder) {
  const CliRun r = run({"dump", tableFile(1024, "0300    3F", "0300    **")});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  std::vector<std::string> lines;
  std::istringstream in(r.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ParameterSet set;
  ASSERT_EQ(lines.size(), set.records().size());
  EXPECT_EQ(lines.front(), "000B 1 09 present");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "0300 1 3F absent"), lines.end());  // its default
  EXPECT_NE(std::find(lines.begin(), lines.end(), "0FFC 0 00 absent"), lines.end());
  EXPECT_EQ(lines.back(), "1300 184 00 absent");
}

TEST_F(SorrelCliFiles, WriteDefaultWritesAFullTableThatChecks) {
  const std::string path = dir.file("Default.txt");
  const CliRun r = run({"write-default", path});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, path + " is saved successfully!\n");
  EXPECT_EQ(run({"check", path}).out.substr(0, 10), "size 8192\n");
  EXPECT_EQ(run({"check", path}).code, kExitOk);
  EXPECT_EQ(run({"write-default", dir.file("no/such/Default.txt")}).code, kExitRejected);
}

TEST_F(SorrelCliFiles, RoundtripAndExportRunTheEditorsLoadAndSave) {
  const std::string in = tableFile(8192, "0300    3F", "0300    1F");
  const std::string out = dir.file("out.txt");
  const CliRun roundtrip = run({"roundtrip", in, out});
  ASSERT_EQ(roundtrip.code, kExitOk) << roundtrip.err;
  // The record defaults of the audio levels (0xD7) are no speaker gain, so the page says so.
  EXPECT_EQ(roundtrip.out,
            "Read " + in + " OK!\nCannot import audio gain table!\n" + out + " is saved successfully!\n");
  const std::string saved = test::readFile(out);
  EXPECT_NE(saved.find(";ROM Information: QM480XGM_012_DUAL_SPK;"), std::string::npos);
  EXPECT_NE(saved.find("0300    3F "), std::string::npos);  // the filter page sets bits 4 and 5 again
  EXPECT_EQ(run({"check", out}).code, kExitOk);

  const std::string params = dir.file("params.txt");
  ASSERT_EQ(run({"export-params", out, params}).code, kExitOk);
  EXPECT_EQ(run({"check", params}).out, "size 1024\nnot verifiable\n");

  const CliRun rejected = run({"roundtrip", tableFile(1024, "0300    3F", "0300    3x"), dir.file("never.txt")});
  EXPECT_EQ(rejected.code, kExitRejected);
  EXPECT_EQ(rejected.err, "c = x\nThe format of EEPROM table is wrong!\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("never.txt")));
  EXPECT_EQ(run({"export-params", in}).code, kExitUsage);
}

}  // namespace
}  // namespace paramtool::cli
