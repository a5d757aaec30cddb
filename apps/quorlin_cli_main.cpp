// quorlin-cli: sends catalogue commands or raw bytes to the module over a serial port and
// prints the log as the console writes it.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "console/cli/quorlin_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunQuorlinCli(args, stdout, std::cerr);
}
