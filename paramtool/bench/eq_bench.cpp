// Speed of the equaliser designer: one "Calculate" of five stages on the full grid, and the
// mapping of a curve onto a 1000-pixel-wide plot (goals: under 2 ms and under 1 ms).

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "common/bench_support.h"
#include "paramtool/eq_design.h"
#include "paramtool/eq_plot.h"

namespace {

using Clock = std::chrono::steady_clock;

// The median time of one call in milliseconds, over batches of calls lasting ~20 ms each.
double medianMs(const std::function<void()>& work) {
  int perBatch = 1;
  for (;;) {
    const auto start = Clock::now();
    for (int i = 0; i < perBatch; ++i) work();
    if (Clock::now() - start > std::chrono::milliseconds(20) || perBatch >= (1 << 20)) break;
    perBatch *= 2;
  }
  std::vector<double> batches;
  for (int b = 0; b < 15; ++b) {
    const auto start = Clock::now();
    for (int i = 0; i < perBatch; ++i) work();
    const std::chrono::duration<double, std::milli> took = Clock::now() - start;
    batches.push_back(took.count() / perBatch);
  }
  std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
  return batches[7];
}

paramtool::EqDesign fiveStages() {
  paramtool::EqDesign d;
  d.stageCount = 5;
  d.points = 16384;
  d.sampleRate = 48000;
  d.stages = {{{60, 5, 0.7}, {400, -4, 1.5}, {1500, 3, 1}, {6000, -2, 2}, {14000, 4, 0.6}}};
  return d;
}

}  // namespace

int main() {
  using namespace paramtool;
  const EqDesign d = fiveStages();
  const ResponseGrid grid(d.points);
  volatile double sink = 0.0;

  bench::report("eq_calculate_5_stages_16384_points", medianMs([&] {
                  sink = sink + calculateEq(d, grid).response[100];
                }), "ms");
  bench::report("eq_grid_and_calculate_5_stages_16384_points", medianMs([&] {
                  const ResponseGrid fresh(d.points);
                  sink = sink + calculateEq(d, fresh).response[100];
                }), "ms");

  const std::vector<double> curve = calculateEq(d, grid).response;
  for (bool logScale : {false, true}) {
    bench::report(logScale ? "eq_plot_columns_1000px_log" : "eq_plot_columns_1000px_linear",
                  medianMs([&] { sink = sink + columnValues(curve, 1000, logScale)[10]; }), "ms");
  }
  return 0;
}
