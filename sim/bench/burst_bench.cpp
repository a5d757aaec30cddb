// The shipped 1000-event burst through the virtual module and the real command layer over
// the pseudo-terminal: how long the host takes from the first event to the last (every one
// acknowledged on the way), and the CPU the module and an idle host use afterwards.

#include "common/bench_support.h"
#include "link/command_set_layer.h"
#include "sim/virtual_module.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

ModuleConfig BurstScript() {
  std::ifstream in(std::string(BTM_SOURCE_DIR) + "/sim/scripts/burst-1000.sim");
  std::ostringstream text;
  text << in.rdbuf();
  ModuleConfig config;
  std::string error;
  if (!ParseScript(text.str(), config.script, error)) std::fprintf(stderr, "%s\n", error.c_str());
  return config;
}

struct Deliveries {
  std::mutex mutex;
  int count = 0;
  Clock::time_point first, last;
};

}  // namespace

int main() {
  VirtualModule module(BurstScript());
  std::string error;
  if (!module.Start(error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  Deliveries deliveries;
  CommandSetLayer host;
  host.SetEventCallback([&deliveries](const unsigned char*, int, const event_type_&,
                                      EVENT_TYPE_CONTENT_) {
    std::lock_guard<std::mutex> lock(deliveries.mutex);
    const auto now = Clock::now();
    if (deliveries.count++ == 0) deliveries.first = now;
    deliveries.last = now;
  });
  if (host.Open(module.DevicePath(), 115200, 0) != 0) return 1;
  if (!module.WaitForQuit(std::chrono::seconds(60))) return 1;  // quit waits for the Event ACKs

  {
    std::lock_guard<std::mutex> lock(deliveries.mutex);
    const double ms =
        std::chrono::duration<double, std::milli>(deliveries.last - deliveries.first).count();
    bench::report("sim_burst_events_delivered", deliveries.count, "events");
    bench::report("sim_burst_1000_events", ms, "ms");
    const double rate = ms > 0 ? (deliveries.count - 1) / ms * 1000 : 0;
    bench::report("sim_burst_events_per_second", rate, "events/s");
  }
  bench::report("sim_burst_event_acks_missing",
                static_cast<double>(module.AckReport().MissingCount()), "events");

  const double cpu_before = bench::process_cpu_seconds();
  std::this_thread::sleep_for(std::chrono::seconds(3));
  const double cpu = bench::process_cpu_seconds() - cpu_before;
  bench::report("sim_idle_cpu_with_host", cpu / 3 * 100, "%core");
  return 0;
}
