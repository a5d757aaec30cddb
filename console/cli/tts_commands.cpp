#include "console/cli/tts_commands.h"

#include "console/cli/quorlin_cli.h"
#include "voiceprompt/chunk_plan.h"
#include "voiceprompt/conversion.h"
#include "voiceprompt/voice_prompt_job.h"

#include <memory>

namespace {

constexpr char kEncode[] = "tts-encode";
constexpr char kSend[] = "tts-send";

// The console's message boxes, as lines on standard error.
class ErrorStreamReporter : public voiceprompt::Reporter {
 public:
  explicit ErrorStreamReporter(std::ostream& err) : err_(err) {}
  void showMessage(const std::string& caption, const std::string& text) override {
    std::string line = text;
    while (!line.empty() && line.back() == '\n') line.pop_back();
    err_ << "quorlin-cli: " << (caption.empty() ? "" : caption + ": ") << line << "\n";
  }

 private:
  std::ostream& err_;
};

// The lines for conversions that yield nothing without a message of the console's own.
int ReportRejected(const voiceprompt::Conversion::Status status, const std::string& input, std::ostream& err) {
  using Status = voiceprompt::Conversion::Status;
  if (status == Status::NotRiff) err << "quorlin-cli: " << input << " is not a RIFF file\n";
  if (status == Status::Converted) err << "quorlin-cli: " << input << " holds no frame\n";
  return kCliExitInputRejected;
}

}  // namespace

bool IsTtsEncodeCommandLine(const std::vector<std::string>& args) { return !args.empty() && args[0] == kEncode; }

int RunTtsEncode(const std::vector<std::string>& args, std::FILE* out, std::ostream& err) {
  std::vector<std::string> files;
  voiceprompt::CoderForm form = voiceprompt::CoderForm::Rounded;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--standard") {
      form = voiceprompt::CoderForm::Standard;
    } else if (args[i].rfind("-", 0) == 0) {
      err << "quorlin-cli: tts-encode: unknown option '" << args[i] << "'\n";
      return kCliExitUsage;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) {
    err << "quorlin-cli: tts-encode expects an input WAV file and an output file\n"
        << "usage: quorlin-cli tts-encode IN.wav OUT.bin [--standard]\n";
    return kCliExitUsage;
  }
  ErrorStreamReporter reporter(err);
  voiceprompt::VoicePromptCodec codec;
  const voiceprompt::Conversion c =
      voiceprompt::convertWavFile(files[0], voiceprompt::kCheckFileName, codec, form, reporter);
  if (c.data.empty()) return ReportRejected(c.status, files[0], err);

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> bin(std::fopen(files[1].c_str(), "wb"), &std::fclose);
  if (!bin || std::fwrite(c.data.data(), 1, c.data.size(), bin.get()) != c.data.size()) {
    err << "quorlin-cli: cannot write " << files[1] << "\n";
    return kCliExitInputRejected;
  }
  std::fprintf(out, "%zu frames, %zu bytes in %zu chunks\n", c.data.size() / g723::kFrameBytes, c.data.size(),
               (c.data.size() + voiceprompt::kChunkBytes - 1) / voiceprompt::kChunkBytes);
  std::fflush(out);
  return kCliExitOk;
}

bool IsTtsSendStep(const std::vector<std::string>& args, std::size_t pos) {
  return pos < args.size() && args[pos] == kSend;
}

bool ParseTtsSendStep(const std::vector<std::string>& args, std::size_t& pos, CliStep& step, std::string& error) {
  if (pos + 1 >= args.size() || args[pos + 1].rfind("-", 0) == 0) {
    error = "tts-send expects the WAV file to send";
    return false;
  }
  const std::string input = args[pos + 1];
  pos += 2;
  step.text = std::string(kSend) + " " + input;
  step.run = [input](CommandBuilders& commands, CommandAckSlots& slots, std::ostream& err) {
    // Shared with the handler: an acknowledgement being delivered as the download ends must
    // still find its event.
    const auto ack = std::make_shared<voiceprompt::AckEvent>();
    slots.SetVoicePromptHandler([ack](std::uint8_t) { ack->signal(); });
    ErrorStreamReporter reporter(err);
    voiceprompt::VoicePromptCodec codec;
    const auto outcome = voiceprompt::runVoicePromptJob(
        input, codec, voiceprompt::CoderForm::Rounded, reporter, commands, *ack,
        [&err](std::size_t done, std::size_t total) { err << "tts-send: chunk " << done << " of " << total << " acknowledged\n"; });
    slots.SetVoicePromptHandler({});
    if (!outcome.converted) return ReportRejected(outcome.conversion, input, err);
    using Result = voiceprompt::DownloadOutcome::Result;
    switch (outcome.download.result) {
      case Result::Completed: return static_cast<int>(kCliExitOk);
      case Result::StartNotAcknowledged: err << "quorlin-cli: tts-send: the start was not acknowledged\n"; break;
      case Result::ChunkNotAcknowledged:
        err << "quorlin-cli: tts-send: chunk " << outcome.download.chunksAcknowledged + 1 << " of "
            << outcome.download.chunksTotal << " was not acknowledged\n";
        break;
      case Result::NotSent: err << "quorlin-cli: tts-send: the command could not be sent\n"; break;
    }
    return static_cast<int>(kCliExitNotAcknowledged);
  };
  return true;
}

std::string TtsCommandsHelpText() {
  return "voice prompts:\n"
         "  quorlin-cli tts-encode IN.wav OUT.bin [--standard]\n"
         "                  converts IN.wav; OUT.bin gets the bytes the download sends,\n"
         "                  output.wav the decoded check file\n"
         "  tts-send IN.wav converts IN.wav and downloads it (as a command of a session)\n";
}
