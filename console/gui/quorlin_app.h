#pragma once
// The console's application object: reads the command line, builds the main window, shows
// it and runs the event loop until the window is closed.
//
//   quorlin [--port PATH] [--self-test] [--screenshot FILE]
//     --port PATH        add PATH (e.g. the simulator's pseudo-terminal) to the port list
//                        and preselect it
//     --self-test        show the window, then quit by itself (exit code 0)
//     --screenshot FILE  show the window, save a picture of it to FILE and quit

#include <string>

class CQuorlinApp {
 public:
  int Run(int argc, char** argv);
};
