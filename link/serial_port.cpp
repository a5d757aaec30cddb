#include "link/serial_port.h"

#include "link/line_settings.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

int StepOf(line_settings::Step step) {
  switch (step) {
    case line_settings::Step::kNone: return 0;
    case line_settings::Step::kRead: return 5;
    case line_settings::Step::kWrite: return 6;
    case line_settings::Step::kCheck: return 8;
  }
  return 8;
}

}  // namespace

std::string OpenError::Reason() const {
  if (os_error == 0) return "";
  char text[256] = {};
  return strerror_r(os_error, text, sizeof text);
}

SerialPort::~SerialPort() {
  Close();
  CloseDescriptors();
}

OpenError SerialPort::Open(const std::string& path, std::uint32_t baud_rate) {
  std::unique_lock<std::shared_mutex> lock(use_);
  CloseDescriptors();
  const auto fail = [this](int step) {
    const OpenError error{step, errno};
    CloseDescriptors();
    return error;
  };

  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return fail(1);
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd_, TIOCEXCL) != 0) return fail(2);
  if (::tcflush(fd_, TCIOFLUSH) != 0) return fail(3);
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags < 0 || ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK) != 0) return fail(4);
  const line_settings::Result line = line_settings::ApplyRaw8N1(fd_, baud_rate);
  if (line.failed == line_settings::Step::kRead) {
    errno = line.error;
    return fail(5);
  }
  if (line.failed == line_settings::Step::kWrite) {
    errno = line.error;
    return fail(6);
  }
  wake_fd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_fd_ < 0) return fail(7);
  if (line.failed != line_settings::Step::kNone) {
    errno = line.error;
    return fail(StepOf(line.failed));
  }
  open_ = true;
  return {};
}

void SerialPort::Close() {
  if (!open_.exchange(false)) return;
  const std::uint64_t one = 1;
  {
    std::shared_lock<std::shared_mutex> lock(use_);
    if (wake_fd_ >= 0) (void)!::write(wake_fd_, &one, sizeof one);
  }
  std::unique_lock<std::shared_mutex> lock(use_);
  // A pseudo-terminal keeps its exclusive flag after the last close, which would refuse
  // the next opener (Close then Open again) unless it is given back here.
  if (fd_ >= 0) ::ioctl(fd_, TIOCNXCL);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void SerialPort::CloseDescriptors() {
  if (fd_ >= 0) ::close(fd_);
  if (wake_fd_ >= 0) ::close(wake_fd_);
  fd_ = -1;
  wake_fd_ = -1;
}

SerialPort::Wait SerialPort::WaitFor(short events, int timeout_ms) const {
  pollfd fds[2] = {{fd_, events, 0}, {wake_fd_, POLLIN, 0}};
  const int ready = ::poll(fds, 2, timeout_ms);
  if (ready < 0) return errno == EINTR ? Wait::kTimedOut : Wait::kFailed;
  if (!open_ || fds[1].revents != 0) return Wait::kFailed;
  if (ready == 0) return Wait::kTimedOut;
  if ((fds[0].revents & events) != 0) return Wait::kReady;
  return Wait::kFailed;  // hang-up or error without data: the device is gone
}

long SerialPort::Read(std::uint8_t* buffer, std::size_t count) {
  std::shared_lock<std::shared_mutex> lock(use_);
  if (!open_ || fd_ < 0) return -1;
  count = std::min(count, kMaxReadRequest);
  const auto total_deadline = Clock::now() + std::chrono::milliseconds(
      kReadTotalConstantMs + kReadTotalPerByteMs * static_cast<int>(count));
  auto interval_deadline = Clock::time_point::max();
  std::size_t got = 0;
  while (got < count) {
    const int timeout = MillisecondsUntil(std::min(total_deadline, interval_deadline));
    const Wait wait = WaitFor(POLLIN, timeout);
    if (wait == Wait::kFailed) return -1;
    if (wait == Wait::kTimedOut) {
      if (timeout == 0) break;
      continue;
    }
    const ssize_t n = ::read(fd_, buffer + got, count - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
      interval_deadline = Clock::now() + std::chrono::milliseconds(kReadIntervalMs);
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
      return -1;  // a tty that reads 0 or fails has hung up
    }
  }
  return static_cast<long>(got);
}

WriteResult SerialPort::Write(const std::uint8_t* bytes, std::size_t count) {
  std::shared_lock<std::shared_mutex> lock(use_);
  if (!open_ || fd_ < 0) return WriteResult::kNotOpen;
  const auto deadline = Clock::now() + std::chrono::milliseconds(
      kWriteTotalConstantMs + kWriteTotalPerByteMs * static_cast<int>(count));
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(fd_, bytes + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
      return done == 0 ? WriteResult::kNotOpen : WriteResult::kWaitFailed;
    }
    const int timeout = MillisecondsUntil(deadline);
    if (timeout == 0) return WriteResult::kIncomplete;
    const Wait wait = WaitFor(POLLOUT, timeout);
    if (wait == Wait::kFailed) return WriteResult::kWaitFailed;
  }
  return WriteResult::kWritten;
}
