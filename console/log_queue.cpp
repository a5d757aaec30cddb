#include "console/log_queue.h"

#include <iterator>

void LogQueue::Push(LogEntry entry) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.push_back(std::move(entry));
  }
  pushed_.notify_one();
}

bool LogQueue::Pop(LogEntry& entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (entries_.empty()) return false;
  entry = std::move(entries_.front());
  entries_.pop_front();
  return true;
}

std::vector<LogEntry> LogQueue::TakeAll() { return WaitTakeAll(std::chrono::milliseconds(0)); }

std::vector<LogEntry> LogQueue::WaitTakeAll(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  pushed_.wait_for(lock, timeout, [this] { return !entries_.empty(); });
  std::vector<LogEntry> taken(std::make_move_iterator(entries_.begin()),
                              std::make_move_iterator(entries_.end()));
  entries_.clear();
  return taken;
}
