#pragma once
// Shows log entries: writes each one to the run's log file ("pelvan.log", see LogFile),
// flushed per entry, and appends it to the log pane, which is emptied whenever it holds more than
// 500 lines (appending to a long pane is slow).
//
// Thread safety: `PrintLog`, `Print`, `ClearPane` and `SetClosing` may be called from any
// thread; calls are serialised, so one entry's file write and pane append never interleave
// with another's. The pane decides itself how it reaches its widget (see LogPane).

#include "console/log_file.h"

#include <boost/thread/mutex.hpp>

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

namespace console {

// The visible log. Implementations that own a widget marshal calls made off its thread.
class LogPane {
 public:
  virtual ~LogPane() = default;
  virtual void ClearPane() = 0;
  virtual void AppendToPane(const std::string& utf8) = 0;
};

class LogPrinter {
 public:
  static constexpr std::size_t kMaxEntryBytes = kMaxLogEntryBytes;
  static constexpr std::size_t kMaxPaneLines = 500;

  explicit LogPrinter(LogPane* pane);
  ~LogPrinter();
  LogPrinter(const LogPrinter&) = delete;
  LogPrinter& operator=(const LogPrinter&) = delete;

  // Opens (and truncates) the log file. Without a file the entries still reach the pane.
  bool OpenLogFile(const std::string& path);
  void CloseLogFile();

  // Formats one entry printf-style; the result is cut to kMaxEntryBytes.
  void PrintLog(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Shows one finished entry (cut to kMaxEntryBytes).
  void Print(const std::string& entry);
  // Shows entries in order, as Print does one by one (each is written and flushed, and the
  // 500-line reset applies to each), but appends them to the pane in as few calls as the
  // resets allow: the log timer's batch.
  void PrintAll(const std::vector<std::string>& entries);

  // "Clear": empties the pane; the file is untouched.
  void ClearPane();
  // Once set, entries still go to the file but no longer to the pane.
  void SetClosing();

 private:
  void PrintLocked(const char* text, std::size_t length);
  // Writes one entry to the file and adds it to `pending` pane text, emptying the pane
  // (and dropping what is pending) first when it holds more than kMaxPaneLines lines.
  void Take(const char* text, std::size_t length, std::string& pending);

  LogPane* pane_;
  boost::mutex print_mutex_;
  ::LogFile file_;
  std::size_t pane_lines_ = 0;
  std::atomic<bool> Closing{false};
};

}  // namespace console
