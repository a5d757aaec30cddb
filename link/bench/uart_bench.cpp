// The serial channel on a pseudo-terminal:
// - CPU used by an open, idle channel over 5 s (goal: under 1 % of one core);
// - latency from SignalAck to the next queued packet arriving at the far end
//   (goal: median under 1 ms).

#include "common/bench_support.h"
#include "link/packet.h"
#include "link/tests/pty_pair.h"
#include "link/uart.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::uint8_t> Command(std::uint8_t action) {
  const std::uint8_t parameters[] = {0x00, action};
  std::vector<std::uint8_t> out;
  (void)packet::BuildCommand(0x02, parameters, sizeof parameters, false, out);
  return out;
}

bool Write(CUART& uart, const std::vector<std::uint8_t>& run) {
  return uart.Write(run.data(), static_cast<unsigned int>(run.size()));
}

void IdleCpu() {
  PtyPair pty;
  CUART uart(pty.SlavePath(), 115200, 0);
  if (uart.Open(pty.SlavePath()) != 0) {
    std::fprintf(stderr, "cannot open %s\n", pty.SlavePath().c_str());
    return;
  }
  const double cpu_before = bench::process_cpu_seconds();
  const auto wall_before = Clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(5));
  const double cpu = bench::process_cpu_seconds() - cpu_before;
  const double wall = std::chrono::duration<double>(Clock::now() - wall_before).count();
  bench::report("link_idle_channel_cpu", 100.0 * cpu / wall, "%core");
}

void AckToNextPacketLatency() {
  PtyPair pty;
  CUART uart(pty.SlavePath(), 921600, 0);
  if (uart.Open(pty.SlavePath()) != 0) return;
  constexpr int kRounds = 500;
  std::vector<double> micros;
  micros.reserve(kRounds);
  Write(uart, Command(0));
  if (!pty.ReceivePacket()) return;
  for (int i = 0; i < kRounds; ++i) {
    Write(uart, Command(static_cast<std::uint8_t>(i)));  // waits behind the previous packet
    std::this_thread::sleep_for(std::chrono::microseconds(200));  // the writer is in its wait
    const auto released = Clock::now();
    uart.SignalAck();
    const auto arrival = pty.ReceivePacket();
    if (!arrival) return;
    micros.push_back(std::chrono::duration<double, std::micro>(arrival->when - released).count());
  }
  std::sort(micros.begin(), micros.end());
  bench::report("link_ack_to_next_packet_median", micros[micros.size() / 2], "us");
  bench::report("link_ack_to_next_packet_p99", micros[micros.size() * 99 / 100], "us");
}

}  // namespace

int main() {
  IdleCpu();
  AckToNextPacketLatency();
  return 0;
}
