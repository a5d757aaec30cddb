#pragma once
// Test helpers: a real CommandSetLayer as the host of a VirtualModule over its pty, and
// records of what each side saw.

#include "link/command_set_layer.h"
#include "link/tests/hex_bytes.h"
#include "sim/virtual_module.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

// Collects values from another thread and waits for them.
template <typename T>
class Arrivals {
 public:
  void Add(T value) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      values_.push_back(std::move(value));
    }
    changed_.notify_all();
  }
  // What has arrived once `count` values are in or the time is up.
  std::vector<T> WaitFor(std::size_t count,
                         std::chrono::milliseconds within = std::chrono::seconds(10)) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, within, [&] { return values_.size() >= count; });
    return values_;
  }
  // What has arrived once `done` holds for it or the time is up.
  template <typename Done>
  std::vector<T> WaitUntil(Done done, std::chrono::milliseconds within = std::chrono::seconds(10)) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, within, [&] { return done(values_); });
    return values_;
  }
  std::vector<T> Now() { return WaitFor(0, std::chrono::milliseconds(0)); }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<T> values_;
};

// An event as the host's layer delivered it: opcode and parameter bytes after its checks
// and rewrites, and when.
struct HostEvent {
  std::uint8_t opcode = 0;
  Bytes params;
  std::chrono::steady_clock::time_point when;
  bool operator==(const HostEvent& other) const {
    return opcode == other.opcode && params == other.params;
  }
  bool operator!=(const HostEvent& other) const { return !(*this == other); }
};

inline HostEvent Ev(std::uint8_t opcode, const std::string& hex) { return {opcode, Hex(hex), {}}; }

inline std::ostream& operator<<(std::ostream& os, const HostEvent& e) {
  os << "event " << std::hex << int(e.opcode) << ":";
  for (const std::uint8_t b : e.params) os << " " << int(b);
  return os << std::dec;
}

// The console's side: a CommandSetLayer on the module's device whose event consumer
// records every event and releases the send queue on every Command ACK.
class Host {
 public:
  explicit Host(const std::string& device) {
    layer.SetEventCallback([this](const unsigned char* p, int n, const event_type_& type,
                                  EVENT_TYPE_CONTENT_) {
      events.Add({type, Bytes(p + 4, p + n - 1), std::chrono::steady_clock::now()});
      if (type == COMMAND_ACK) layer.Channel()->SignalAck();
    });
    opened = layer.Open(device, 115200, 0);
    opened_at = std::chrono::steady_clock::now();
  }

  Arrivals<HostEvent> events;  // before the layer, whose reader fills it until destroyed
  CommandSetLayer layer;
  int opened = -1;
  std::chrono::steady_clock::time_point opened_at;
};

inline std::size_t CountOf(const std::vector<ReceivedCommand>& commands, bool event_acks) {
  std::size_t n = 0;
  for (const ReceivedCommand& c : commands) n += (c.opcode == 0x14) == event_acks;
  return n;
}

// The commands in order, without the host's Event ACKs (or only those).
inline std::vector<ReceivedCommand> Only(const std::vector<ReceivedCommand>& commands,
                                         bool event_acks) {
  std::vector<ReceivedCommand> out;
  for (const ReceivedCommand& c : commands) {
    if ((c.opcode == 0x14) == event_acks) out.push_back(c);
  }
  return out;
}

// The module with an observer that records every command it frames.
class RecordedModule {
 public:
  explicit RecordedModule(ModuleConfig config = {}) : module(std::move(config)) {
    module.SetCommandObserver([this](const ReceivedCommand& c) { commands.Add(c); });
    std::string error;
    started = module.Start(error);
  }

  Arrivals<ReceivedCommand> commands;  // before the module, whose reader fills it
  VirtualModule module;
  bool started = false;
};

// A module with a host connected to it.
struct Connected {
  explicit Connected(ModuleConfig config = {})
      : sim(std::move(config)), host(sim.module.DevicePath()) {}
  bool Ready() const { return sim.started && host.opened == 0; }

  RecordedModule sim;
  Host host;  // after the module: it closes first
};
