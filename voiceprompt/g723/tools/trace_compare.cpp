// Debugging aid: runs the standard encoder and decoder over an input and compares every
// intermediate value with a per-frame trace file of another implementation.
//
//   g723-trace-compare INPUT.pcm TRACE.txt [MAX_REPORTS]
//
// Trace lines are "frame F KEY v..." or "frame F sub S KEY v...", in the order the coder
// computes them. Prints the first mismatching records and a count per key.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/encoder.h"
#include "voiceprompt/g723/probe.h"

namespace {

struct Record {
  int frame = 0;
  int sub = -1;
  std::string key;
  std::vector<long> values;
};

class Comparer : public g723::Probe {
 public:
  Comparer(std::vector<Record> expected, int maxReports) : expected_(std::move(expected)), maxReports_(maxReports) {}
  int frame = 0;

  void record(const char* key, int sub, const std::int32_t* values, int count) override {
    while (next_ < expected_.size() && expected_[next_].frame < frame) ++next_;
    if (next_ >= expected_.size()) return;
    const Record& e = expected_[next_];
    if (e.frame != frame || e.key != key || e.sub != sub) {
      if (reports_++ < maxReports_) {
        std::printf("frame %d: order differs, expected %s sub %d, got %s sub %d\n", frame, e.key.c_str(), e.sub, key,
                    sub);
      }
      return;
    }
    ++next_;
    ++checked_[key];
    bool same = static_cast<int>(e.values.size()) == count;
    int at = -1;
    for (int i = 0; same && i < count; ++i) {
      if (e.values[i] != values[i]) {
        same = false;
        at = i;
      }
    }
    if (same) return;
    ++bad_[key];
    if (reports_++ < maxReports_) {
      std::printf("frame %d sub %d %s differs at %d\n  want:", frame, sub, key, at);
      for (long v : e.values) std::printf(" %ld", v);
      std::printf("\n  got: ");
      for (int i = 0; i < count; ++i) std::printf(" %d", values[i]);
      std::printf("\n");
    }
  }

  void summary() const {
    for (const auto& [key, n] : checked_) {
      const auto it = bad_.find(key);
      std::printf("%-6s %5d records, %5d differ\n", key.c_str(), n, it == bad_.end() ? 0 : it->second);
    }
  }

 private:
  std::vector<Record> expected_;
  std::size_t next_ = 0;
  int maxReports_;
  int reports_ = 0;
  std::map<std::string, int> checked_;
  std::map<std::string, int> bad_;
};

std::vector<Record> readTrace(const char* path) {
  std::vector<Record> records;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string tag;
    Record r;
    words >> tag >> r.frame >> r.key;
    if (r.key == "sub") words >> r.sub >> r.key;
    long v;
    while (words >> v) r.values.push_back(v);
    records.push_back(std::move(r));
  }
  return records;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: g723-trace-compare INPUT.pcm TRACE.txt [MAX_REPORTS]\n";
    return 2;
  }
  std::ifstream pcm(argv[1], std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(pcm)), std::istreambuf_iterator<char>());
  Comparer comparer(readTrace(argv[2]), argc > 3 ? std::stoi(argv[3]) : 10);
  g723::CoderTables tables;
  g723::Encoder encoder(tables);
  g723::Decoder decoder(tables);
  encoder.setProbe(&comparer);
  decoder.setProbe(&comparer);
  const std::size_t frames = bytes.size() / (2 * g723::kFrame);
  for (std::size_t f = 0; f < frames; ++f) {
    std::int16_t samples[g723::kFrame];
    for (int i = 0; i < g723::kFrame; ++i) {
      const std::size_t at = (f * g723::kFrame + i) * 2;
      samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                             (static_cast<unsigned char>(bytes[at + 1]) << 8));
    }
    comparer.frame = static_cast<int>(f);
    std::uint8_t frame[g723::kFrameBytes];
    encoder.encode(samples, frame);
    std::int16_t out[g723::kFrame];
    decoder.decode(frame, out);
  }
  comparer.summary();
  return 0;
}
