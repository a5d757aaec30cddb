#pragma once
// Runs quorlin-cli in the test's process and collects its log and error output.

#include "console/cli/quorlin_cli.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

struct InProcessRun {
  int exit_code;
  std::string log;
  std::string err;
};

inline InProcessRun RunInProcess(const std::vector<std::string>& args) {
  std::FILE* log = std::tmpfile();
  std::ostringstream err;
  const int code = RunQuorlinCli(args, log, err);
  std::rewind(log);
  std::string text(1 << 20, '\0');
  text.resize(std::fread(&text[0], 1, text.size(), log));
  std::fclose(log);
  return {code, text, err.str()};
}
