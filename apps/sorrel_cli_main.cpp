// sorrel-cli: checks, prints and converts DSP EEPROM table files and designs EQ files.
#include <iostream>
#include <string>
#include <vector>

#include "paramtool/cli/sorrel_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return paramtool::cli::runSorrelCli(args, std::cout, std::cerr);
}
