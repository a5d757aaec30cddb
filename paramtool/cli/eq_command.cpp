// sorrel-cli eq: designs an equaliser into a coefficient file, or prints one.
//
//   eq --fs HZ [--global-gain DB] [--points N] --stage F,GAIN_DB,Q [--stage ...] --out FILE
//   eq --load FILE
//
// Designing does what the designer's "Calculate" and "Save" do: it writes Response.txt to the
// working directory and the coefficient file to FILE. Rows not given keep the values of the
// "Flat" preset (1000, 2000, 4000, 8000, 16000 Hz, 0 dB, Q 1); they appear in the file's
// trailer but are not designed.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "paramtool/cli/subcommand.h"
#include "paramtool/eq_coefficient_file.h"
#include "paramtool/eq_design.h"
#include "paramtool/eq_pack.h"
#include "paramtool/eq_presets.h"
#include "paramtool/eq_response_file.h"
#include "paramtool/eq_texts.h"
#include "paramtool/eq_validation.h"

namespace paramtool::cli {

namespace {

int runEq(const Arguments& args, CliIo& io);

const Subcommand kEq{
    "eq",
    "--fs HZ [--global-gain DB] [--points N] --stage F,GAIN_DB,Q [--stage ...] --out FILE"
    " | --load FILE",
    "design EQ stages into a coefficient file, or print one", runEq};

bool parseDouble(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

bool parseInt(const std::string& text, int& value) {
  double number = 0.0;
  if (!parseDouble(text, number) || std::floor(number) != number || std::fabs(number) > 1e9)
    return false;
  value = static_cast<int>(number);
  return true;
}

// "F,GAIN_DB,Q"
bool parseStage(const std::string& text, EqStage& stage) {
  const auto first = text.find(',');
  const auto second = first == std::string::npos ? first : text.find(',', first + 1);
  if (second == std::string::npos) return false;
  return parseDouble(text.substr(0, first), stage.frequency) &&
         parseDouble(text.substr(first + 1, second - first - 1), stage.gainDb) &&
         parseDouble(text.substr(second + 1), stage.q);
}

struct EqRequest {
  EqDesign design;
  int stagesGiven = 0;
  bool haveRate = false;
  std::string out;
  std::string load;
};

// Fills the request from the arguments; false on anything it cannot take.
bool parseRequest(const Arguments& args, EqRequest& request, CliIo& io) {
  request.design = presetDesign(kEqPresets[0]);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) {
      io.err << "sorrel-cli eq: " << option << " needs a value\n";
      return false;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (option == "--fs") {
      ok = parseDouble(value, request.design.sampleRate);
      request.haveRate = true;
    } else if (option == "--global-gain") {
      ok = parseDouble(value, request.design.globalGainDb);
    } else if (option == "--points") {
      ok = parseInt(value, request.design.points);
    } else if (option == "--stage") {
      if (request.stagesGiven == kEqStages) {
        io.err << "sorrel-cli eq: at most " << kEqStages << " stages\n";
        return false;
      }
      ok = parseStage(value, request.design.stages[request.stagesGiven++]);
    } else if (option == "--out") {
      request.out = value;
    } else if (option == "--load") {
      request.load = value;
    } else {
      io.err << "sorrel-cli eq: unknown option '" << option << "'\n";
      return false;
    }
    if (!ok) {
      io.err << "sorrel-cli eq: bad value '" << value << "' for " << option << "\n";
      return false;
    }
  }
  request.design.stageCount = request.stagesGiven;
  const bool designing = request.haveRate && request.stagesGiven > 0 && !request.out.empty();
  const bool loading = !request.load.empty();
  return designing != loading && (loading ? args.size() == 2 : true);
}

void reportRange(const EqRangeViolation& v, CliIo& io) {
  io.err << "sorrel-cli eq: " << v.range->name;
  if (v.stage > 0) io.err << " of stage " << v.stage;
  io.err << " is " << v.value << "; it must be " << (v.range->aboveMinimum ? "above " : "from ")
         << v.range->minimum << (v.range->aboveMinimum ? " up to " : " to ") << v.range->maximum
         << "\n";
}

int design(const EqRequest& request, CliIo& io) {
  const EqDesign& d = request.design;
  if (const auto violation = validateEqDesign(d)) {
    reportRange(*violation, io);
    return kExitMismatch;
  }
  const ResponseGrid grid(d.points);
  const EqCalculation calc = calculateEq(d, grid);
  if (calc.status == EqStatus::FrequencyIncorrect) {
    io.err << eq_text::frequencyIncorrect(calc.failedStage) << "\n";
    return kExitMismatch;
  }
  if (writeResponseFile(kResponseFileName, calc.response, d.sampleRate) != EqFileStatus::Ok) {
    io.err << "sorrel-cli eq: cannot write " << kResponseFileName << "\n";
    return kExitRejected;
  }
  if (calc.peakWarning) io.err << eq_text::kMaximumGain << "\n";
  const PackedBlock packed = packCoefficientBlock(calc.stages.data(), d.stageCount, d.globalGainDb);
  if (packed.saturated) {
    io.err << "sorrel-cli eq: a coefficient or the overall gain lies outside what the DSP "
              "holds and was written as the nearest value it can hold\n";
  }
  if (writeCoefficientFile(request.out, packed.block, d) != EqFileStatus::Ok) {
    io.err << eq_text::kOutputFailed << "\n";
    return kExitRejected;
  }
  return kExitOk;
}

int load(const std::string& path, CliIo& io) {
  const CoefficientFileRead read = readCoefficientFile(path);
  if (read.status == EqFileStatus::OpenFailed) {
    io.err << eq_text::kInputFailed << "\n";
    return kExitRejected;
  }
  if (read.status != EqFileStatus::Ok) {
    io.err << "sorrel-cli eq: " << path << " is not a coefficient file\n";
    return kExitRejected;
  }
  const LoadedCoefficients loaded = loadCoefficients(read.file, EqDesign{});
  char line[160];
  for (int k = 0; k < loaded.design.stageCount; ++k) {
    const Biquad& s = loaded.stages[k];
    std::snprintf(line, sizeof line, "stage %d: b1 %.12f b2 %.12f a1 %.12f a2 %.12f\n", k + 1,
                  s.b1, s.b2, s.a1, s.a2);
    io.out << line;
  }
  std::snprintf(line, sizeof line, "global gain: %.6f dB\n", loaded.design.globalGainDb);
  io.out << line;
  return kExitOk;
}

int runEq(const Arguments& args, CliIo& io) {
  EqRequest request;
  if (!parseRequest(args, request, io)) return usageError(kEq, io);
  return request.load.empty() ? design(request, io) : load(request.load, io);
}

}  // namespace

const Subcommand& eqCommand() { return kEq; }

}  // namespace paramtool::cli
