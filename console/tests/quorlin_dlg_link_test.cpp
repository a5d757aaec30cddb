// The window on a link: the virtual module on its pseudo-terminal answers the window's
// commands as the module does; the test makes it send events and watches the pane, the log
// file, the wire and the module's account of Event ACKs.

#include "console/gui/quorlin_dlg.h"

#include "console/scripted_prompter.h"
#include "console/tests/test_files.h"
#include "console/window_ids.h"
#include "link/command_set_layer.h"
#include "link/packet.h"
#include "sim/tests/module_host.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

using namespace console;
using console::testing_support::ReadFile;
using console::testing_support::TestDir;

namespace {

// The log without the time stamps of the packet dumps.
std::string WithoutTimestamps(const std::string& log) {
  static const std::regex kStamp("^[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}\t", std::regex::multiline);
  return std::regex_replace(log, kStamp, "");
}

// Runs the GUI thread's events until `done` holds or the time is up (generous: the
// machine is shared).
template <typename F>
bool WaitFor(F done, std::chrono::milliseconds within = std::chrono::seconds(20)) {
  const auto until = std::chrono::steady_clock::now() + within;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// A command as it crossed the wire (the module frames only intact packets).
Bytes Packet(const ReceivedCommand& command) {
  Bytes out;
  EXPECT_TRUE(packet::BuildCommand(command.opcode, command.params.data(), command.params.size(),
                                   false, out));
  return out;
}

class WindowOnLink : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = std::make_unique<RecordedModule>();
    ASSERT_TRUE(sim_->started);
    options_.log_path = TestDir() + "pelvan.log";
    options_.extra_port = Module().DevicePath();
    window_ = std::make_unique<CQuorlinDlg>(options_);
    window_->SetPrompter(&prompter_);
  }

  VirtualModule& Module() { return sim_->module; }
  // The commands the module has framed so far that are not Event ACKs, as sent.
  std::vector<Bytes> NonAckCommands() {
    std::vector<Bytes> out;
    for (const ReceivedCommand& c : Only(sim_->commands.Now(), false)) out.push_back(Packet(c));
    return out;
  }

  std::string Pane() const {
    return static_cast<QPlainTextEdit*>(window_->Control(ctl::kLogPane))->toPlainText().toStdString();
  }
  bool PaneHas(const std::string& text) const { return WithoutTimestamps(Pane()).find(text) != std::string::npos; }

  void Open() {
    window_->OnOpen();
    ASSERT_TRUE(prompter_.messages.empty()) << prompter_.messages[0].text;
    ASSERT_NE(window_->GetLayer(), nullptr);
  }

  std::unique_ptr<RecordedModule> sim_;
  QuorlinOptions options_;
  ScriptedPrompter prompter_;
  std::unique_ptr<CQuorlinDlg> window_;
};

TEST_F(WindowOnLink, OpenPreselectsThePortAndTogglesTheControls) {
  EXPECT_EQ(window_->PortName(), Module().DevicePath());
  Open();
  EXPECT_FALSE(window_->Control(ctl::kOpen)->isEnabled());
  EXPECT_TRUE(window_->Control(ctl::kClose)->isEnabled());
  EXPECT_TRUE(window_->Control(ctl::kSaveAs)->isEnabled());
  EXPECT_FALSE(window_->Control(ctl::kRxDelayEdit)->isEnabled());
  EXPECT_EQ(window_->Sheet()->currentIndex(), 9);
  window_->OnClose();
  EXPECT_TRUE(window_->Control(ctl::kOpen)->isEnabled());
  EXPECT_FALSE(window_->Control(ctl::kClose)->isEnabled());
  EXPECT_EQ(window_->GetLayer(), nullptr);
  EXPECT_EQ(window_->Sheet()->currentIndex(), 9);
}

TEST_F(WindowOnLink, CommandAndItsAckAreDumpedByteExactInPaneAndFile) {
  Open();
  window_->GetLayer()->MMI_ACTION(window_->SelectedDevice(), 0x04);  // "Answer Call"
  // The Command ACK, then the call on Device A becomes active.
  const std::string expected =
      "< Command: AA 00 03 02 00 04 F7 \n"
      "Command Complete.\n"
      "> Event: AA 00 03 00 02 00 FB \n"
      "< Command: AA 00 02 14 02 E8 \n"
      "Call active.\n"
      "> Event: AA 00 03 02 00 04 F7 \n";
  ASSERT_TRUE(WaitFor([&] { return PaneHas(expected); })) << Pane();
  EXPECT_EQ(WithoutTimestamps(ReadFile(options_.log_path)), expected);
  EXPECT_EQ(WithoutTimestamps(Pane()), expected);
  // The dump lines carry the time stamp.
  EXPECT_TRUE(std::regex_search(Pane(), std::regex("^[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}\t< Command: AA")));
}

TEST_F(WindowOnLink, EventsAreAcknowledgedDescribedAndShown) {
  Open();
  ASSERT_TRUE(Module().SendEvent(0x02, {0x01, 0x02}));  // Device B: call incoming
  const std::string expected =
      "< Command: AA 00 02 14 02 E8 \n"
      "Call incoming.\n"
      "> Event: AA 00 03 02 01 02 F8 \n";
  ASSERT_TRUE(WaitFor([&] { return PaneHas(expected); })) << Pane();
  ASSERT_TRUE(WaitFor([&] { return window_->PictureOf(ctl::kRingB) == img::kBellRinging; }));
  EXPECT_EQ(window_->PictureOf(ctl::kRingA), img::kBellGrey);
  ASSERT_TRUE(WaitFor([&] { return Module().AckReport().acknowledged == 1; }));
  EXPECT_EQ(Module().AckReport().events_sent, 1u);
  EXPECT_TRUE(Module().AckReport().Balanced()) << Module().AckReport().Describe();
}

TEST_F(WindowOnLink, CloseResetsThePicturesAndKeepsUnshownEntriesForTheNextOpen) {
  Open();
  ASSERT_TRUE(Module().SendEvent(0x0A, {0x00, 0x03}));  // Device A: three bars
  ASSERT_TRUE(WaitFor([&] { return window_->PictureOf(ctl::kSignalA) == 44; }));
  static_cast<QRadioButton*>(window_->Control(ctl::kDeviceA))->setText("Pixel");
  window_->Log().Push("queued before Close\n");
  window_->OnClose();  // no event ran in between: the timer had no chance to move the entry
  EXPECT_EQ(window_->PictureOf(ctl::kSignalA), img::kSignalIdle);
  EXPECT_EQ(static_cast<QRadioButton*>(window_->Control(ctl::kDeviceA))->text().toStdString(), "Device A");
  WaitFor([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_FALSE(PaneHas("queued before Close"));
  Open();
  EXPECT_TRUE(WaitFor([&] { return PaneHas("queued before Close\n"); }));
}

TEST_F(WindowOnLink, DeviceBChangesOnlyTheNextCommandsDeviceByte) {
  Open();
  static_cast<QRadioButton*>(window_->Control(ctl::kDeviceB))->setChecked(true);
  window_->GetLayer()->MMI_ACTION(window_->SelectedDevice(), 0x04);
  ASSERT_TRUE(WaitFor([&] { return NonAckCommands().size() == 1; }));
  EXPECT_EQ(NonAckCommands()[0], Hex("AA 00 03 02 01 04 F6"));
  EXPECT_EQ(Module().IgnoredPackets(), 0u);
  EXPECT_EQ(window_->PictureOf(ctl::kHfpA), img::kHfpIdle);
  EXPECT_EQ(window_->PictureOf(ctl::kHfpB), img::kHfpIdle);
}

TEST_F(WindowOnLink, LettersInTheBaudBoxMakeOpenFailWithTheErrorBox) {
  static_cast<QComboBox*>(window_->Control(ctl::kBaudCombo))->setEditText("fast");
  window_->OnOpen();
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].icon, MessageIcon::kError);
  EXPECT_NE(prompter_.messages[0].text.find("Cannot open " + Module().DevicePath() + " (step 6)"), std::string::npos)
      << prompter_.messages[0].text;
  EXPECT_EQ(window_->GetLayer(), nullptr);
  EXPECT_TRUE(window_->Control(ctl::kOpen)->isEnabled());
  EXPECT_FALSE(window_->Control(ctl::kClose)->isEnabled());
}

TEST(WindowOpenFailure, AMissingDeviceNamesThePortTheStepAndTheReason) {
  ScriptedPrompter prompter;
  QuorlinOptions options;
  options.log_path = TestDir() + "missing.log";
  options.extra_port = "/dev/quorlin-no-such-port";
  CQuorlinDlg window(options);
  window.SetPrompter(&prompter);
  window.OnOpen();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot open /dev/quorlin-no-such-port (step 1): No such file or directory");
  EXPECT_EQ(prompter.messages[0].caption, "Quorlin");
}

TEST_F(WindowOnLink, ATwentyByteDumpTakesTwoLines) {
  Open();
  Bytes twenty(20);
  for (std::size_t i = 0; i < twenty.size(); ++i) twenty[i] = static_cast<std::uint8_t>(0xA0 + i);
  window_->OnTrace(1, twenty.data(), static_cast<int>(twenty.size()));
  const std::string expected =
      "< Command: A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF \n"
      "B0 B1 B2 B3 \n";
  EXPECT_TRUE(WaitFor([&] { return PaneHas(expected); })) << Pane();
}

TEST_F(WindowOnLink, AutomaticAnswersGoOutWithTheSelectedDevice) {
  Open();
  static_cast<QRadioButton*>(window_->Control(ctl::kDeviceB))->setChecked(true);
  for (const auto& [opcode, params] : std::vector<std::pair<std::uint8_t, Bytes>>{
           {0x1B, {0x05, 0x00}},    // power off
           {0x1B, {0x06, 0x00}},    // volume up
           {0x1B, {0x06, 0x01}},    // volume down
           {0x1B, {0x07, 0x9C}},    // line-in 9, A2DP 12
           {0x01, {0x05, 0x20}}}) {  // HF link, id 2, Device A: the name query
    ASSERT_TRUE(Module().SendEvent(opcode, params));
  }
  const std::vector<Bytes> expected = {
      Hex("AA 00 03 02 01 53 A7"), Hex("AA 00 03 02 01 54 A6"), Hex("AA 00 03 02 01 30 CA"),
      Hex("AA 00 03 02 01 31 C9"), Hex("AA 00 07 23 01 05 03 8C 00 89 B8"), Hex("AA 00 03 16 01 00 E6")};
  ASSERT_TRUE(WaitFor([&] { return NonAckCommands().size() >= expected.size(); }));
  EXPECT_EQ(NonAckCommands(), expected);
  EXPECT_EQ(Module().IgnoredPackets(), 0u);
}

// Events of one line of description each, with short packets (one dump line).
struct MixedEvent {
  std::uint8_t opcode;
  Bytes params;
  const char* description;
};
const MixedEvent kMixed[] = {
    {0x02, {0x00, 0x04}, "Call active."},
    {0x07, {0x01, 0x03}, "Battery is high."},
    {0x0A, {0x00, 0x01}, "Low signal strength."},
    {0x0F, {0x00, 0x07}, "Voice Gain Level : 7[BTM]"},
    {0x10, {0x05, 0x00}, "EQ mode : EQ mode : rock[BTM]"},
    {0x16, {0x05, 0x00}, "Phonebook contacts have already been retrieved."},
    {0x1C, {0x00, 0x00}, "AG responses OK."},
    {0x2D, {0x02}, "48KHz sample rate"},
    {0x1B, {0x00, 0x00}, "Amplifier is off."},
    {0x32, {0x00, 0x01, 0x00}, "LE advertising."},
};

TEST_F(WindowOnLink, TenThousandMixedEventsAllReachTheLogFileInOrder) {
  Open();
  constexpr int kEvents = 10000;
  for (int i = 0; i < kEvents; ++i) {
    const MixedEvent& e = kMixed[i % std::size(kMixed)];
    ASSERT_TRUE(Module().SendEvent(e.opcode, e.params));
  }
  const bool acknowledged = WaitFor([&] { return Module().AckReport().acknowledged >= kEvents; },
                                    std::chrono::seconds(120));
  ASSERT_TRUE(acknowledged) << Module().AckReport().Describe();
  const EventAckReport report = Module().AckReport();
  EXPECT_EQ(report.events_sent, static_cast<std::uint64_t>(kEvents));
  EXPECT_EQ(report.acknowledged, static_cast<std::uint64_t>(kEvents));
  EXPECT_TRUE(report.Balanced()) << report.Describe();
  // The Event ACKs went out in the order of the events, and nothing else did.
  const std::vector<ReceivedCommand> commands = sim_->commands.Now();
  ASSERT_EQ(commands.size(), static_cast<std::size_t>(kEvents));
  for (int i = 0; i < kEvents; ++i) {
    ASSERT_EQ(commands[i].opcode, 0x14) << "command " << i;
    ASSERT_EQ(commands[i].params, Bytes{kMixed[i % std::size(kMixed)].opcode}) << "Event ACK " << i;
  }
  // Then wait for the timer to have moved everything.
  ASSERT_TRUE(WaitFor([&] {
    const std::string log = ReadFile(options_.log_path);
    return std::count(log.begin(), log.end(), '\n') >= 3 * kEvents;
  }, std::chrono::seconds(60)));

  std::istringstream log(WithoutTimestamps(ReadFile(options_.log_path)));
  std::string line;
  int next = 0;
  while (std::getline(log, line)) {
    if (line.rfind("< Command: ", 0) == 0 || line.rfind("> Event: ", 0) == 0 || line.empty()) continue;
    ASSERT_EQ(line, kMixed[next % std::size(kMixed)].description) << "event " << next;
    ++next;
  }
  EXPECT_EQ(next, kEvents);
}

}  // namespace
