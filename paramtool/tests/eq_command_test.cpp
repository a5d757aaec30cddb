#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "paramtool/cli/sorrel_cli.h"
#include "paramtool/cli/subcommand.h"
#include "paramtool/eq_coefficient_file.h"

namespace paramtool::cli {
namespace {

// Runs each case in a fresh directory, since `eq` writes Response.txt where it runs.
class EqCommand : public testing::Test {
 protected:
  void SetUp() override {
    char here[PATH_MAX];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    previous_ = here;
    std::string pattern = testing::TempDir() + "eq_command_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(previous_.c_str()), 0);
    std::filesystem::remove_all(dir_);
  }
  int run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    args.insert(args.begin(), "eq");
    return runSorrelCli(args, out_, err_);
  }
  static bool exists(const std::string& path) { return std::ifstream(path).good(); }

  std::ostringstream out_, err_;
  std::string dir_, previous_;
};

TEST_F(EqCommand, DesignsTheCoefficientFileAndResponseThenPrintsItBack) {
  ASSERT_EQ(run({"--fs", "48000", "--global-gain", "-2", "--points", "4096", "--stage", "100,4,0.7",
                 "--stage", "3000,-6,2", "--out", "coeff.txt"}),
            kExitOk)
      << err_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_TRUE(exists("Response.txt"));
  const CoefficientFileRead read = readCoefficientFile("coeff.txt");
  ASSERT_EQ(read.status, EqFileStatus::Ok);
  EXPECT_EQ(read.file.trailer.stageCount, 2);
  EXPECT_EQ(read.file.trailer.points, 4096);
  EXPECT_EQ(read.file.trailer.stages[1].gainDb, -6);
  EXPECT_EQ(read.file.trailer.stages[2].frequency, 4000);  // rows not given keep their defaults

  ASSERT_EQ(run({"--load", "coeff.txt"}), kExitOk) << err_.str();
  const std::string printed = out_.str();
  EXPECT_NE(printed.find("stage 1: b1 "), std::string::npos);
  EXPECT_NE(printed.find("stage 2: b1 "), std::string::npos);
  EXPECT_EQ(printed.find("stage 3:"), std::string::npos);
  EXPECT_NE(printed.find("global gain: "), std::string::npos);
  EXPECT_NE(printed.find(" dB\n"), std::string::npos);
}

TEST_F(EqCommand, DesignFailuresPrintTheDesignersMessages) {
  struct Case { std::vector<std::string> args; int exit; std::string err; bool written; } cases[] = {
      {{"--fs", "8000", "--stage", "1000,3,1", "--stage", "4000,3,1", "--out", "c.txt"},
       kExitMismatch, "Filter2 central frequency incorrect!\n", false},
      {{"--fs", "48000", "--stage", "1000,12,1", "--out", "c.txt"},
       kExitOk, "The Maximum Gain Cannot over 12 dB!\n", true},
      {{"--fs", "48000", "--stage", "1000,3,0", "--out", "c.txt"},
       kExitMismatch, "sorrel-cli eq: Q of stage 1 is 0; it must be above 0 up to 1000\n", false},
  };
  for (const auto& c : cases) {
    std::remove("c.txt");
    EXPECT_EQ(run(c.args), c.exit) << c.err;
    EXPECT_EQ(err_.str(), c.err);
    EXPECT_EQ(exists("c.txt"), c.written) << c.err;
  }
}

TEST_F(EqCommand, WrongArgumentsAndFilesAreRefused) {
  EXPECT_EQ(run({"--fs", "48000", "--out", "c.txt"}), kExitUsage);  // no stage
  EXPECT_EQ(run({"--fs", "48000", "--stage", "1000,3", "--out", "c.txt"}), kExitUsage);
  EXPECT_EQ(run({"--fs", "48000", "--stage", "1,1,1", "--stage", "2,1,1", "--stage", "3,1,1",
                 "--stage", "4,1,1", "--stage", "5,1,1", "--stage", "6,1,1", "--out", "c.txt"}),
            kExitUsage);
  EXPECT_EQ(run({"--load", "absent.txt"}), kExitRejected);
  EXPECT_EQ(err_.str(), "Fail to open input file!\n");
  std::ofstream("junk.txt") << "hello\n";
  EXPECT_EQ(run({"--load", "junk.txt"}), kExitRejected);
  EXPECT_EQ(run({"--fs", "48000", "--stage", "1000,3,1", "--out", "no/such/dir/c.txt"}), kExitRejected);
  EXPECT_EQ(err_.str(), "Open output file failed!\n");
}

}  // namespace
}  // namespace paramtool::cli
