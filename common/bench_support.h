#pragma once
// Benchmarks print each figure as one line "BENCH <name> <value> <unit>" so that
// `make bench` output can be read by eye and by scripts alike.

#include <string>

namespace bench {

// Prints one figure line on standard output and flushes it.
void report(const std::string& name, double value, const std::string& unit);

// CPU time this process has used so far, all threads together, in seconds.
double process_cpu_seconds();

// Runs every registered Google Benchmark and prints, for each run, its real time per
// iteration ("ns") and any counters (items_per_second as "items/s", bytes_per_second as
// "bytes/s", user counters with the unit given in their name after a '_', e.g. "rtf_x").
// Returns the process exit code.
int run_google_benchmarks(int argc, char** argv);

}  // namespace bench
