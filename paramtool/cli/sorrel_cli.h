#pragma once
// Entry point of `sorrel-cli`: picks the subcommand named by the first argument.

#include <ostream>
#include <string>
#include <vector>

namespace paramtool::cli {

// args are the program's arguments without the program name.
int runSorrelCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace paramtool::cli
