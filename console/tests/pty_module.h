#pragma once
// A minimal module for window tests on a pseudo-terminal: the window opens SlavePath(), a
// thread on the master side frames every command, records it and answers it with a Command
// ACK (status 0; Event ACKs get no answer) after a short pause, as a module takes a moment
// to answer. The test sends events with SendEvent.

#include "link/packet.h"
#include "link/tests/pty_pair.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class PtyModule {
 public:
  PtyModule() : thread_([this] { Run(); }) {}
  ~PtyModule() {
    stop_ = true;
    thread_.join();
  }
  PtyModule(const PtyModule&) = delete;
  PtyModule& operator=(const PtyModule&) = delete;

  const std::string& SlavePath() const { return pty_.SlavePath(); }

  // An event packet: start byte, length, opcode, parameters, checksum.
  static Bytes Event(std::uint8_t opcode, const Bytes& params) {
    Bytes p = {0xAA, static_cast<std::uint8_t>((params.size() + 1) >> 8),
               static_cast<std::uint8_t>((params.size() + 1) & 0xFF), opcode};
    p.insert(p.end(), params.begin(), params.end());
    p.push_back(packet::Checksum(p.data() + 1, p.size() - 1));
    return p;
  }
  void SendEvent(std::uint8_t opcode, const Bytes& params) { pty_.Send(Event(opcode, params)); }
  void SendRaw(const Bytes& bytes) { pty_.Send(bytes); }

  // Every command packet received so far (without a leading null byte), in order.
  std::vector<Bytes> Commands() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return commands_;
  }
  // The received commands that are not Event ACKs.
  std::vector<Bytes> NonAckCommands() const {
    std::vector<Bytes> out;
    for (const Bytes& c : Commands())
      if (c.size() > 3 && c[3] != 0x14) out.push_back(c);
    return out;
  }

 private:
  void Run() {
    while (!stop_) {
      const auto arrival = pty_.ReceivePacket(std::chrono::milliseconds(50));
      if (!arrival) continue;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        commands_.push_back(arrival->packet);
      }
      const std::uint8_t opcode = arrival->packet[3];
      if (opcode == 0x14) continue;
      std::this_thread::sleep_for(kAckDelay);
      SendEvent(0x00, {opcode, 0x00});
    }
  }

  static constexpr std::chrono::milliseconds kAckDelay{10};

  PtyPair pty_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Bytes> commands_;
  std::thread thread_;
};
