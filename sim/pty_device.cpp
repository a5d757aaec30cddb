#include "sim/pty_device.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string SystemReason(const char* what) {
  char text[256] = {};
  return std::string(what) + ": " + strerror_r(errno, text, sizeof text);
}

}  // namespace

PtyDevice::~PtyDevice() {
  if (master_ >= 0) ::close(master_);
  if (wake_ >= 0) ::close(wake_);
}

bool PtyDevice::Create(std::string& error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master_ < 0) return error = SystemReason("posix_openpt"), false;
  char name[128] = {};
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    return error = SystemReason("pseudo-terminal set-up"), false;
  }
  path_ = name;
  MakeRaw();
  // The master reports a hang-up only once the other end has been opened and closed
  // again; doing so here makes "no host yet" look the same as "the host has left".
  const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0) return error = SystemReason(name), false;
  ::close(slave);
  wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_ < 0) return error = SystemReason("eventfd"), false;
  return true;
}

bool PtyDevice::HostPresent() const {
  pollfd p{master_, 0, 0};
  return ::poll(&p, 1, 0) >= 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

void PtyDevice::MakeRaw() const {
  // On a master descriptor the settings are those of the other end, which the host uses.
  termios settings{};
  if (::tcgetattr(master_, &settings) != 0) return;
  ::cfmakeraw(&settings);
  ::tcsetattr(master_, TCSANOW, &settings);
}

PtyDevice::ReadResult PtyDevice::Read(std::uint8_t* buffer, std::size_t capacity,
                                      std::size_t& got, std::chrono::milliseconds timeout) {
  got = 0;
  for (;;) {
    pollfd fds[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, timeout.count() < 0 ? -1 : static_cast<int>(timeout.count()));
    if (ready < 0) {
      if (errno == EINTR) continue;
      return ReadResult::kFailed;
    }
    if (ready == 0) return ReadResult::kTimedOut;
    if (fds[1].revents != 0) return ReadResult::kWoken;
    if ((fds[0].revents & POLLIN) == 0) return ReadResult::kNoHost;
    const ssize_t n = ::read(master_, buffer, capacity);
    if (n > 0) {
      got = static_cast<std::size_t>(n);
      return ReadResult::kData;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    return n < 0 && errno == EIO ? ReadResult::kNoHost : ReadResult::kFailed;
  }
}

bool PtyDevice::Write(const std::uint8_t* bytes, std::size_t count) {
  if (!HostPresent()) return false;  // written now, the bytes would greet the next host
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(master_, bytes + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd fds[2] = {{master_, POLLOUT, 0}, {wake_, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 && errno != EINTR) return false;
    if (fds[1].revents != 0 || (fds[0].revents & (POLLHUP | POLLERR)) != 0) return false;
  }
  return true;
}

void PtyDevice::Nap(std::chrono::milliseconds timeout) const {
  pollfd p{wake_, POLLIN, 0};
  ::poll(&p, 1, static_cast<int>(timeout.count()));
}

void PtyDevice::Wake() {
  const std::uint64_t one = 1;
  if (wake_ >= 0) (void)!::write(wake_, &one, sizeof one);
}
