#include <gtest/gtest.h>

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
