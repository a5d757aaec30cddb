#include "console/cli/quorlin_cli.h"

#include "console/cli/cli_arguments.h"
#include "console/cli/tts_commands.h"
#include "console/command_ack_routes.h"
#include "console/event_presenter.h"
#include "console/layer_answers.h"
#include "console/log_file.h"
#include "console/log_queue.h"
#include "console/open_failure.h"
#include "console/trace_format.h"
#include "link/command_set_layer.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr bool kShowSppData = false;  // the console's "Show data" box starts unticked
constexpr int kNoBridge = 0;

// Moves queued log entries to the log on a thread of its own, in order, until destroyed;
// whatever is still queued then is written before the destructor returns.
class LogPrinter {
 public:
  LogPrinter(LogQueue& queue, LogFile& log) : queue_(queue), log_(log), thread_([this] { Run(); }) {}
  ~LogPrinter() {
    stop_ = true;
    thread_.join();
    WriteAll(queue_.TakeAll());
  }
  LogPrinter(const LogPrinter&) = delete;
  LogPrinter& operator=(const LogPrinter&) = delete;

 private:
  void Run() {
    while (!stop_) WriteAll(queue_.WaitTakeAll(std::chrono::milliseconds(20)));
  }
  void WriteAll(const std::vector<LogEntry>& entries) {
    for (const LogEntry& entry : entries) log_.Write(entry);
  }

  LogQueue& queue_;
  LogFile& log_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// What the console's log shows of events: each event's description, the automatic answers
// and the Command-ACK pacing, without a window (no pictures, no pages).
struct Presentation {
  explicit Presentation(LogQueue& queue) : presenter(queue, indicators, answers, page_slots, hooks, device) {}
  console::NoIndicators indicators;
  console::LayerAnswers answers;
  console::PageSlots page_slots;
  console::PresentationHooks hooks;
  std::atomic<std::uint8_t> device{0};  // answers go to Device A
  console::EventPresenter presenter;
};

// Binds the console's trace format, the event presentation (with the Command-ACK pacing)
// and the acknowledgement handlers into the layer.
void BindConsumers(CommandSetLayer& layer, LogQueue& queue, Presentation& presentation,
                   CommandAckSlots& slots) {
  layer.SetTraceCallback([&queue](int direction, unsigned char* packet, int length) {
    LogEntry entry = FormatTraceEntry(direction, packet, length, MakeTimestamp(), kShowSppData);
    if (!entry.empty()) queue.Push(std::move(entry));
  });
  presentation.answers.Attach(&layer);
  layer.SetEventCallback([&presentation, &slots](const unsigned char* packet, int length,
                                                 const event_type_& type, EVENT_TYPE_CONTENT_ content) {
    presentation.presenter.OnModuleEvent(packet, length, type, content.bytes);
    if (type == COMMAND_ACK) slots.Deliver(content[0], content[1]);
  });
}

void Pause(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int RunSession(const CliOptions& options, std::FILE* log_stream, std::ostream& err) {
  LogQueue queue;
  LogFile log(log_stream);
  LogPrinter printer(queue, log);
  Presentation presentation(queue);
  CommandAckSlots slots;
  CommandSetLayer layer;
  BindConsumers(layer, queue, presentation, slots);

  if (layer.Open(options.port, options.baud_rate, kNoBridge) != 0) {
    const OpenError& failure = layer.Channel()->LastOpenError();
    err << "quorlin-cli: "
        << DescribeOpenFailure(options.port, failure.step, failure.os_error, failure.Reason())
        << "\n";
    return kCliExitOpenFailed;
  }
  layer.Channel()->SetFillNull(options.fill_null);

  int exit_code = kCliExitOk;
  for (const CliStep& step : options.steps) {
    if (step.run) {
      exit_code = step.run(layer, slots, err);
      if (exit_code != kCliExitOk) break;
    } else if (step.send) {
      step.send(layer);
    } else {
      Pause(step.wait_ms);
    }
  }
  layer.Channel()->WaitUntilIdle();
  Pause(options.listen_ms);
  layer.Close();
  return exit_code;
}

}  // namespace

int RunQuorlinCli(const std::vector<std::string>& args, std::FILE* log, std::ostream& err) {
  if (IsTtsEncodeCommandLine(args)) return RunTtsEncode(args, log, err);
  CliOptions options;
  std::string error;
  if (!ParseCliArguments(args, options, error)) {
    err << "quorlin-cli: " << error << "\n";
    err << "usage: quorlin-cli --port PATH [--baud N] [--fill-null] [--for SECONDS] COMMAND...\n";
    return kCliExitUsage;
  }
  if (options.help) {
    const std::string help = CliHelpText();
    std::fwrite(help.data(), 1, help.size(), log);
    std::fflush(log);
    return kCliExitOk;
  }
  return RunSession(options, log, err);
}
