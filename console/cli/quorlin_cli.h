#pragma once
// Entry point of quorlin-cli: opens the link, sends the commands of the command line in
// order, listens a while and prints every log entry to `log` as the console writes its log
// file (one flush per entry). Messages about bad arguments and failed opens go to `err`.

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

enum QuorlinCliExit : int {
  kCliExitOk = 0,
  kCliExitOpenFailed = 1,  // the port could not be opened
  kCliExitInputRejected = 1,    // tts-encode, tts-send: the WAV file was rejected
  kCliExitNotAcknowledged = 3,  // tts-send: the download stopped without an acknowledgement
  kCliExitUsage = 64,      // wrong arguments
};

// args are the program's arguments without the program name.
int RunQuorlinCli(const std::vector<std::string>& args, std::FILE* log, std::ostream& err);
