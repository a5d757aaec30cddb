// Framer throughput on a stream of valid packets, fed the way the reader feeds it (each run
// exactly what the framer asks for) and all at once. The goal is at least 100 times the byte
// rate of 921600 baud (92 160 bytes/s), reported as the counter "vs921600baud_x".

#include "common/bench_support.h"
#include "link/packet.h"
#include "link/packet_framer.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr double kBytesPerSecondAt921600 = 921600.0 / 10;  // 8N1: ten bits a byte

// Events of the sizes a module sends: short status events and some long data events.
std::vector<std::uint8_t> ValidStream() {
  std::vector<std::uint8_t> stream;
  std::vector<std::uint8_t> packet;
  for (int i = 0; i < 2000; ++i) {
    const std::size_t count = (i % 10 == 0) ? 600 : 1 + static_cast<std::size_t>(i % 7);
    const std::vector<std::uint8_t> parameters(count, static_cast<std::uint8_t>(i));
    if (!packet::BuildCommand(static_cast<std::uint8_t>(i % 0x30), parameters.data(), count,
                              false, packet)) {
      continue;
    }
    stream.insert(stream.end(), packet.begin(), packet.end());
  }
  return stream;
}

// Frames the stream once per iteration: in the runs the reader would ask for, or at once.
void BM_Framer(benchmark::State& state, bool as_the_reader_feeds_it) {
  const std::vector<std::uint8_t> stream = ValidStream();
  std::size_t packets = 0;
  const PacketFramer::PacketHandler count = [&](std::uint8_t*, std::size_t) { ++packets; };
  for (auto _ : state) {
    PacketFramer framer;
    std::size_t at = 0;
    while (at < stream.size()) {
      const std::size_t n = as_the_reader_feeds_it ? std::min(framer.Wanted(), stream.size() - at)
                                                   : stream.size();
      framer.Feed(stream.data() + at, n, count);
      at += n;
    }
  }
  benchmark::DoNotOptimize(packets);
  const double bytes = static_cast<double>(stream.size()) * static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["vs921600baud_x"] =
      benchmark::Counter(bytes / kBytesPerSecondAt921600, benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_Framer, AsTheReaderFeedsIt, true);
BENCHMARK_CAPTURE(BM_Framer, WholeStream, false);

}  // namespace

int main(int argc, char** argv) { return bench::run_google_benchmarks(argc, argv); }
