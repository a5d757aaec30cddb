// Writing a full DSP table file and loading it back, as Save followed by Load does.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "common/bench_support.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_file.h"

namespace {

class QuietReporter : public paramtool::Reporter {
 public:
  using Reporter::show;
  void show(const std::string&, paramtool::MessageIcon) override {}
};

void BM_TableFileWriteAndLoad(benchmark::State& state) {
  using namespace paramtool;
  const std::string path =
      (std::filesystem::temp_directory_path() / ("table-bench-" + std::to_string(::getpid()) + ".txt")).string();
  auto saved = std::make_unique<ParameterSet>();
  saved->newDocument();
  saved->storeValues();
  auto loaded = std::make_unique<ParameterSet>();
  const DocumentStrings strings{kProjectName, kRomInformation, ""};
  QuietReporter reporter;
  for (auto _ : state) {
    bool ok = writeTableFile(path, saved->table(), EepromTable::kBytes, strings, reporter);
    ok = ok && readTableFile(path, *loaded, reporter);
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("table file round trip failed");
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_TableFileWriteAndLoad)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::run_google_benchmarks(argc, argv); }
