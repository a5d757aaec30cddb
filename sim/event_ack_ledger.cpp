#include "sim/event_ack_ledger.h"

#include "link/event_names.h"
#include "link/packet.h"

#include <cstdio>
#include <numeric>

namespace {

std::uint64_t Sum(const std::array<std::uint32_t, 256>& counts) {
  return std::accumulate(counts.begin(), counts.end(), std::uint64_t{0});
}

// "CALL_STATUS (0x02)", or "0x19" for an event without a name.
std::string OpcodeLabel(unsigned opcode) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", opcode);
  const char* name = EventName(static_cast<std::uint8_t>(opcode));
  return name ? std::string(name) + " (" + hex + ")" : hex;
}

}  // namespace

std::uint64_t EventAckReport::MissingCount() const { return Sum(missing); }
std::uint64_t EventAckReport::UnexpectedCount() const { return Sum(unexpected); }

std::string EventAckReport::Describe() const {
  std::string text = "btm-sim: " + std::to_string(events_sent) + " events sent, " +
                     std::to_string(acknowledged) + " acknowledged, " +
                     std::to_string(MissingCount()) + " Event ACKs missing\n";
  for (unsigned op = 0; op < 256; ++op) {
    if (missing[op] != 0) {
      text += "btm-sim:   no Event ACK for " + std::to_string(missing[op]) + " x " +
              OpcodeLabel(op) + "\n";
    }
    if (unexpected[op] != 0) {
      text += "btm-sim:   " + std::to_string(unexpected[op]) + " Event ACKs for " +
              OpcodeLabel(op) + " that answer no event sent\n";
    }
  }
  return text;
}

void EventAckLedger::Sent(std::uint8_t opcode) {
  if (opcode == packet::kCommandAckOpcode) return;
  std::lock_guard<std::mutex> lock(mutex_);
  ++report_.events_sent;
  ++report_.missing[opcode];
  ++owed_;
}

void EventAckLedger::Acknowledged(std::uint8_t opcode) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (report_.missing[opcode] == 0) {
    ++report_.unexpected[opcode];
    return;
  }
  --report_.missing[opcode];
  ++report_.acknowledged;
  if (--owed_ == 0) settled_.notify_all();
}

EventAckReport EventAckLedger::Report() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return report_;
}

bool EventAckLedger::WaitUntilSettled(std::chrono::milliseconds within) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return settled_.wait_for(lock, within, [this] { return owed_ == 0; });
}
