// The log pane under load: a producer thread queues entries while the window's 2 ms log
// timer moves them into the pane and the log file, as during a burst of events.
// - log_pane_entries_per_second: entries the pane and file absorb per second from an
//   unthrottled producer (goal: at least 20 000/s);
// - log_pane_backlog_at_20k: the largest number of entries waiting in the queue while a
//   producer queues 20 000 entries per second for 2 s (the queue must not grow).

#include "common/bench_support.h"
#include "console/gui/quorlin_dlg.h"

#include <QApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// A dump line and a description, as one received event gives.
const std::string kEntry = "12:00:00:000\t> Event: AA 00 03 02 00 04 F7 \n";

long FileSize(const std::string& path) {
  struct stat st{};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : 0;
}

long Printed(const std::string& path) { return FileSize(path) / static_cast<long>(kEntry.size()); }

void RunUntil(long wanted, const std::string& path) {
  while (Printed(path) < wanted) QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
}

double Unthrottled(CQuorlinDlg& window, const std::string& path) {
  constexpr long kEntries = 200000;
  const long before = Printed(path);
  const auto start = Clock::now();
  std::thread producer([&] {
    for (long i = 0; i < kEntries; ++i) window.Log().Push(kEntry);
  });
  RunUntil(before + kEntries, path);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  producer.join();
  return static_cast<double>(kEntries) / seconds;
}

long BacklogAtRate(CQuorlinDlg& window, const std::string& path, long per_second, double seconds) {
  const long before = Printed(path);
  const long total = static_cast<long>(static_cast<double>(per_second) * seconds);
  std::atomic<long> produced{0};
  std::thread producer([&] {
    const auto start = Clock::now();
    for (long i = 0; i < total; ++i) {
      const auto due = start + std::chrono::nanoseconds(1000000000LL * i / per_second);
      std::this_thread::sleep_until(due);
      window.Log().Push(kEntry);
      ++produced;
    }
  });
  long worst = 0;
  while (Printed(path) < before + total) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    worst = std::max(worst, produced - (Printed(path) - before));
  }
  producer.join();
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QuorlinOptions options;
  options.log_path = "/tmp/log_pane_bench_" + std::to_string(::getpid()) + ".log";
  CQuorlinDlg window(options);
  window.show();
  window.StartLogTimer();

  bench::report("log_pane_entries_per_second", Unthrottled(window, options.log_path), "entries/s");
  bench::report("log_pane_backlog_at_20k", static_cast<double>(BacklogAtRate(window, options.log_path, 20000, 2.0)),
                "entries");
  window.close();
  std::remove(options.log_path.c_str());
  return 0;
}
