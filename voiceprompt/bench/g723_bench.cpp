// Speed of the voice-prompt coder: encoding and decoding speech_10s (10.2 s of speech) in
// the rounded form, as a conversion does, reported as CPU seconds and as a real-time
// factor (goal: at least 100 times real time). ffmpeg's G.723.1 encoder process, when
// installed, is timed beside it on the same input.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/bench_support.h"
#include "voiceprompt/g723/coder_tables.h"
#include "voiceprompt/g723/decoder.h"
#include "voiceprompt/g723/encoder.h"

namespace {

const std::string kInput = std::string(BTM_SOURCE_DIR) + "/voiceprompt/testdata/vectors/speech_10s.pcm";

double cpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

std::vector<std::int16_t> readPcm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::int16_t> pcm(bytes.size() / 2);
  for (std::size_t i = 0; i < pcm.size(); ++i) {
    pcm[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return pcm;
}

// One conversion's coder work: every frame encoded, then decoded.
long encodeDecode(const std::vector<std::int16_t>& pcm, const g723::CoderTables& tables) {
  g723::Encoder encoder(tables, true);
  g723::Decoder decoder(tables);
  long checksum = 0;
  std::uint8_t frame[g723::kFrameBytes];
  std::int16_t out[g723::kFrame];
  for (std::size_t f = 0; f + g723::kFrame <= pcm.size(); f += g723::kFrame) {
    encoder.encode(&pcm[f], frame);
    decoder.decode(frame, out);
    checksum += out[f % g723::kFrame];
  }
  return checksum;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// CPU seconds of one ffmpeg encoder process, or a negative value when it cannot run.
double ffmpegSeconds() {
  char dir[] = "/tmp/g723benchXXXXXX";
  if (mkdtemp(dir) == nullptr) return -1;
  const std::string out = std::string(dir) + "/out.tco";
  const double before = cpuSeconds(RUSAGE_CHILDREN);
  const pid_t pid = fork();
  if (pid == 0) {
    execlp("ffmpeg", "ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "s16le", "-ar", "8000", "-ac", "1",
           "-i", kInput.c_str(), "-c:a", "g723_1", "-b:a", "6300", "-f", "g723_1", out.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) status = -1;
  const double seconds = cpuSeconds(RUSAGE_CHILDREN) - before;
  std::remove(out.c_str());
  rmdir(dir);
  return status == 0 ? seconds : -1;
}

}  // namespace

int main() {
  const std::vector<std::int16_t> pcm = readPcm(kInput);
  if (pcm.empty()) {
    std::fprintf(stderr, "cannot read %s\n", kInput.c_str());
    return 1;
  }
  const double audioSeconds = double(pcm.size()) / 8000.0;
  g723::CoderTables tables;
  tables.applyRounding();

  std::vector<double> runs;
  long sink = 0;
  for (int i = 0; i < 9; ++i) {
    const double start = cpuSeconds(RUSAGE_SELF);
    sink += encodeDecode(pcm, tables);
    runs.push_back(cpuSeconds(RUSAGE_SELF) - start);
  }
  const double ours = median(runs);
  bench::report("g723_encode_decode_speech_10s_cpu", ours, "s");
  bench::report("g723_encode_decode_speech_10s_realtime", audioSeconds / ours, "x");

  std::vector<double> ffmpeg;
  for (int i = 0; i < 5; ++i) {
    const double s = ffmpegSeconds();
    if (s < 0) break;
    ffmpeg.push_back(s);
  }
  if (ffmpeg.empty()) {
    std::printf("# ffmpeg with the g723_1 encoder is not available; not measured\n");
  } else {
    bench::report("ffmpeg_g723_1_encoder_process_speech_10s_cpu", median(ffmpeg), "s");
    bench::report("ffmpeg_g723_1_encoder_process_speech_10s_realtime", audioSeconds / median(ffmpeg), "x");
  }
  return sink == 42 ? 2 : 0;  // keeps the work from being optimised away
}
