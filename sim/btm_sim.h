#pragma once
// Entry point of btm-sim: creates the virtual module, optionally links to it, prints its
// device path as the first line of `out` once both are ready, and runs until the script
// quits or `stop_fd` becomes readable (the program passes a descriptor for SIGINT and
// SIGTERM). On the way out it prints the Event-ACK account to `out`.

#include <ostream>
#include <string>
#include <vector>

enum BtmSimExit : int {
  kSimExitOk = 0,
  kSimExitEventAcksOwed = 1,  // some event was never acknowledged, or an Event ACK answered none
  kSimExitFailed = 2,         // the pseudo-terminal or the link could not be made
  kSimExitUsage = 64,         // wrong arguments or an unreadable or malformed script
};

// args are the program's arguments without the program name.
int RunBtmSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              int stop_fd);
