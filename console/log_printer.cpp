#include "console/log_printer.h"

#include <algorithm>
#include <cstdarg>

namespace console {

LogPrinter::LogPrinter(LogPane* pane) : pane_(pane) {}

LogPrinter::~LogPrinter() { CloseLogFile(); }

bool LogPrinter::OpenLogFile(const std::string& path) {
  boost::mutex::scoped_lock lock(print_mutex_);
  return file_.Open(path);
}

void LogPrinter::CloseLogFile() {
  boost::mutex::scoped_lock lock(print_mutex_);
  file_.Close();
}

void LogPrinter::PrintLog(const char* format, ...) {
  char buffer[kMaxEntryBytes + 1];
  va_list args;
  va_start(args, format);
  const int wanted = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (wanted < 0) return;
  const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(wanted), kMaxEntryBytes);
  boost::mutex::scoped_lock lock(print_mutex_);
  PrintLocked(buffer, length);
}

void LogPrinter::Print(const std::string& entry) {
  boost::mutex::scoped_lock lock(print_mutex_);
  PrintLocked(entry.data(), std::min(entry.size(), kMaxEntryBytes));
}

void LogPrinter::ClearPane() {
  boost::mutex::scoped_lock lock(print_mutex_);
  pane_lines_ = 0;
  if (pane_ != nullptr) pane_->ClearPane();
}

void LogPrinter::SetClosing() { Closing = true; }

void LogPrinter::PrintAll(const std::vector<std::string>& entries) {
  boost::mutex::scoped_lock lock(print_mutex_);
  std::string pending;
  for (const std::string& entry : entries) Take(entry.data(), std::min(entry.size(), kMaxEntryBytes), pending);
  if (!pending.empty()) pane_->AppendToPane(pending);
}

void LogPrinter::PrintLocked(const char* text, std::size_t length) {
  std::string pending;
  Take(text, length, pending);
  if (!pending.empty()) pane_->AppendToPane(pending);
}

void LogPrinter::Take(const char* text, std::size_t length, std::string& pending) {
  if (length == 0) return;
  const std::string entry(text, length);
  file_.Write(entry);
  if (pane_ == nullptr || Closing) return;
  if (pane_lines_ > kMaxPaneLines) {
    pending.clear();  // it would be emptied at once
    pane_->ClearPane();
    pane_lines_ = 0;
  }
  pane_lines_ += static_cast<std::size_t>(std::count(entry.begin(), entry.end(), '\n'));
  pending += entry;
}

}  // namespace console
