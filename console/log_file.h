#pragma once
// Where log entries end up as text: the log file, or standard output for the command-line
// tool. Each entry is written as it stands (cut to 8191 bytes) and the stream is flushed, so
// a reader sees every entry as soon as it is written. Writes are serialised.

#include "console/log_queue.h"

#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>

constexpr std::size_t kMaxLogEntryBytes = 8191;

class LogFile {
 public:
  LogFile() = default;
  // Writes to a stream the caller owns (such as stdout).
  explicit LogFile(std::FILE* borrowed) : stream_(borrowed) {}
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Creates or truncates the file. False when it cannot be opened: entries are then dropped.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return stream_ != nullptr; }

  void Write(const LogEntry& entry);

 private:
  std::mutex mutex_;
  std::FILE* stream_ = nullptr;
  bool owned_ = false;
};
