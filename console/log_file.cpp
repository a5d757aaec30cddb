#include "console/log_file.h"

#include <algorithm>

LogFile::~LogFile() { Close(); }

bool LogFile::Open(const std::string& path) {
  Close();
  std::lock_guard<std::mutex> lock(mutex_);
  stream_ = std::fopen(path.c_str(), "w");
  owned_ = stream_ != nullptr;
  return owned_;
}

void LogFile::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (owned_ && stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  owned_ = false;
}

void LogFile::Write(const LogEntry& entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stream_ == nullptr) return;
  std::fwrite(entry.data(), 1, std::min(entry.size(), kMaxLogEntryBytes), stream_);
  std::fflush(stream_);
}
