#pragma once
// The log's entries on their way to the pane and the log file. An entry is one narrow UTF-8
// string with "\n" line ends (a packet dump or an event description), assembled completely by
// its producer before it is queued. Any thread may push; one consumer takes entries in order.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

using LogEntry = std::string;

class LogQueue {
 public:
  void Push(LogEntry entry);

  // The front entry, if there is one.
  bool Pop(LogEntry& entry);

  // Every queued entry, in order (empty when none).
  std::vector<LogEntry> TakeAll();

  // Like TakeAll, waiting up to `timeout` for a first entry.
  std::vector<LogEntry> WaitTakeAll(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;  // held only to push or take
  std::condition_variable pushed_;
  std::deque<LogEntry> entries_;
};
