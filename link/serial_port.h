#pragma once
// The serial port under the channel: one audited place that opens and configures the
// device, and reads and writes with the channel's time-outs emulated by poll. Close wakes
// every wait at once through an event descriptor.
//
// Threads: Open and Close belong to the channel's owner; Read to the reader thread; Write
// to whoever holds the channel's write lock. Read and Write may run at the same time; Close
// may be called while they wait and makes them fail promptly.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <shared_mutex>
#include <string>

// Result of opening a port: the step that failed (0 on success) and the system's errno.
// The steps keep the numbers the console shows; each stands for the nearest POSIX step:
//   1  open the device (read/write, no controlling terminal, non-blocking, close-on-exec)
//   2  take exclusive access (flock and TIOCEXCL): a second opener is refused here
//   3  flush both directions of the line
//   4  make the descriptor non-blocking: read and write time-outs are poll time-outs
//   5  read the line settings
//   6  write raw 8N1 without flow control at the baud rate (a baud rate of 0 fails here)
//   7  create the event descriptor through which Close wakes the waits
//   8  read the settings back and check that the data format took
// After a failure nothing stays open.
struct OpenError {
  int step = 0;
  int os_error = 0;
  std::string Reason() const;  // the system's text for os_error ("" on success)
};

enum class WriteResult {
  kWritten = 0,     // every byte is out
  kNotOpen = 1,     // closed, or the write was refused at once
  kWaitFailed = 3,  // the port closed or hung up while the write waited
  kIncomplete = 4,  // not every byte went out within the write time-out
};

class SerialPort {
 public:
  // Time-outs of one read request of n bytes: it returns when n bytes have arrived, when
  // more than kReadIntervalMs pass between two bytes, or after
  // kReadTotalConstantMs + kReadTotalPerByteMs * n, whichever comes first.
  static constexpr int kReadIntervalMs = 5000;
  static constexpr int kReadTotalConstantMs = 1000;
  static constexpr int kReadTotalPerByteMs = 2;
  // A write of n bytes gives up after kWriteTotalConstantMs + kWriteTotalPerByteMs * n.
  static constexpr int kWriteTotalConstantMs = 1000;
  static constexpr int kWriteTotalPerByteMs = 2;
  static constexpr std::size_t kMaxReadRequest = 1024;

  SerialPort() = default;
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens and configures the device. The port must be closed, with no Read or Write
  // still running from an earlier opening.
  [[nodiscard]] OpenError Open(const std::string& path, std::uint32_t baud_rate);

  // Marks the port closed, wakes every waiting Read and Write and closes the device.
  // Safe to call twice and from any thread that is not inside Read or Write.
  void Close();

  bool IsOpen() const { return open_.load(); }

  // One read request of at most kMaxReadRequest bytes. Returns the bytes received (0 when
  // the time-outs ran out first) or -1 when the port is closed or the device is gone.
  long Read(std::uint8_t* buffer, std::size_t count);

  // Writes every byte, waiting as long as the write time-out allows.
  WriteResult Write(const std::uint8_t* bytes, std::size_t count);

 private:
  enum class Wait { kReady, kTimedOut, kFailed };
  Wait WaitFor(short events, int timeout_ms) const;
  void CloseDescriptors();

  int fd_ = -1;
  int wake_fd_ = -1;
  std::atomic<bool> open_{false};
  // Read and Write hold it shared while they use the descriptors; Close holds it
  // exclusively to close them, once the waits it woke have let go.
  mutable std::shared_mutex use_;
};
