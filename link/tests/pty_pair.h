#pragma once
// A pseudo-terminal for channel tests: the channel opens the slave path, the test plays the
// module on the master side.

#include "link/packet_framer.h"
#include "link/tests/hex_bytes.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

class PtyPair {
 public:
  using Clock = std::chrono::steady_clock;

  PtyPair() {
    char name[128] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
      throw std::runtime_error("openpty failed");
    }
    slave_path_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PtyPair() {
    CloseMaster();
    if (slave_ >= 0) ::close(slave_);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& SlavePath() const { return slave_path_; }
  int SlaveFd() const { return slave_; }

  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  // The module sends bytes to the channel.
  void Send(const Bytes& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
      } else {
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, 100);
      }
    }
  }

  // Bytes the channel wrote, gathered until `count` have come or the time runs out.
  Bytes Receive(std::size_t count, std::chrono::milliseconds within = std::chrono::seconds(5)) {
    Bytes out;
    const auto until = Clock::now() + within;
    while (out.size() < count && Clock::now() < until) {
      pollfd p{master_, POLLIN, 0};
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
      if (::poll(&p, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
      std::uint8_t buffer[256];
      const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - out.size()));
      if (n <= 0) break;
      out.insert(out.end(), buffer, buffer + n);
    }
    return out;
  }

  struct Arrival {
    Bytes packet;
    Clock::time_point when;
  };

  // The next whole packet the channel wrote (a leading null byte is skipped), with the time
  // it was read; nothing when none came in time.
  std::optional<Arrival> ReceivePacket(std::chrono::milliseconds within = std::chrono::seconds(5)) {
    const auto until = Clock::now() + within;
    std::optional<Arrival> arrival;
    while (!arrival && Clock::now() < until) {
      const Bytes byte = Receive(framer_.Wanted(), std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()));
      framer_.Feed(byte.data(), byte.size(), [&](std::uint8_t* p, std::size_t n) {
        arrival = Arrival{Bytes(p, p + n), Clock::now()};
      });
    }
    return arrival;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slave_path_;
  PacketFramer framer_;
};
