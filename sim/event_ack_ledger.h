#pragma once
// Keeps account of the Event ACKs the host owes: every event the module sends (all but the
// Command ACK) must be answered by an EVENT_ACK that names its opcode. The ledger counts,
// per opcode, the events still unanswered and any Event ACK that answers nothing sent.
//
// Threads: any; every call takes the ledger's lock.

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

struct EventAckReport {
  std::uint64_t events_sent = 0;
  std::uint64_t acknowledged = 0;
  std::array<std::uint32_t, 256> missing{};     // per opcode: sent, never acknowledged
  std::array<std::uint32_t, 256> unexpected{};  // per opcode: acknowledged, never sent

  std::uint64_t MissingCount() const;
  std::uint64_t UnexpectedCount() const;
  bool Balanced() const { return MissingCount() == 0 && UnexpectedCount() == 0; }
  // A few lines for the end of a run: the totals, then one line per opcode with a fault.
  std::string Describe() const;
};

class EventAckLedger {
 public:
  // An event with this opcode went to the host (the Command ACK is never counted).
  void Sent(std::uint8_t opcode);
  // The host's EVENT_ACK for this opcode arrived.
  void Acknowledged(std::uint8_t opcode);

  EventAckReport Report() const;
  // Waits until nothing is owed or the time is up; true when nothing is owed.
  bool WaitUntilSettled(std::chrono::milliseconds within) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable settled_;
  EventAckReport report_;
  std::uint64_t owed_ = 0;
};
