// btm-sim: a virtual module on a pseudo-terminal (sim/btm_sim.h).
#include "sim/btm_sim.h"

#include <signal.h>
#include <sys/signalfd.h>

#include <iostream>

int main(int argc, char** argv) {
  // SIGINT, SIGTERM and SIGHUP end the run in order (report, link removed): they are
  // blocked in every thread and read from a descriptor instead.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
  signal(SIGPIPE, SIG_IGN);
  const int stop_fd = signalfd(-1, &stop_signals, SFD_CLOEXEC);
  return RunBtmSim(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, stop_fd);
}
