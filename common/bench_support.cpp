#include "common/bench_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace bench {

void report(const std::string& name, double value, const std::string& unit) {
  std::printf("BENCH %s %.6g %s\n", name.c_str(), value, unit.c_str());
  std::fflush(stdout);
}

double process_cpu_seconds() {
  // glibc's clock() reads the process CPU-time clock, in microseconds.
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

namespace {

class BenchLineReporter : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        std::fprintf(stderr, "benchmark %s failed: %s\n", run.benchmark_name().c_str(),
                     run.error_message.c_str());
        continue;
      }
      const std::string name = run.benchmark_name();
      report(name, run.GetAdjustedRealTime() * multiplier(run.time_unit), "ns");
      for (const auto& [counter, value] : run.counters) {
        report(name + "/" + counter, value.value, unit_of(counter));
      }
    }
  }

 private:
  static double multiplier(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kNanosecond: return 1.0;
      case benchmark::kMicrosecond: return 1e3;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kSecond: return 1e9;
    }
    return 1.0;
  }

  static std::string unit_of(const std::string& counter) {
    if (counter == "items_per_second") return "items/s";
    if (counter == "bytes_per_second") return "bytes/s";
    const auto cut = counter.rfind('_');
    return cut == std::string::npos ? "count" : counter.substr(cut + 1);
  }
};

}  // namespace

int run_google_benchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  BenchLineReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
