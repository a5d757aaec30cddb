#include "console/gui/quorlin_dlg.h"

#include "console/scripted_prompter.h"
#include "console/tests/presenter_fixture.h"
#include "console/tests/test_files.h"
#include "console/window_ids.h"
#include "pages/quorlin_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace console;
using console::testing_support::ReadFile;
using console::testing_support::TestDir;

namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.log_path = TestDir() + "pelvan.log";
    window_ = std::make_unique<CQuorlinDlg>(options_);
    window_->SetPrompter(&prompter_);
  }

  QWidget* C(int id) { return window_->Control(id); }
  std::string PaneText() { return static_cast<QPlainTextEdit*>(C(ctl::kLogPane))->toPlainText().toStdString(); }

  QuorlinOptions options_;
  ScriptedPrompter prompter_;
  std::unique_ptr<CQuorlinDlg> window_;
};

TEST_F(WindowTest, StartsClosedWithTheNSpkPageVisibleAndIdlePictures) {
  EXPECT_EQ(window_->windowTitle().toStdString(), "Dravik r160.024");
  for (int id : {ctl::kOpen, ctl::kPortCombo, ctl::kBaudCombo, ctl::kRxIndication, ctl::kFillNullByte})
    EXPECT_TRUE(C(id)->isEnabled()) << id;
  for (int id : {ctl::kClose, ctl::kSaveAs, ctl::kHfpA, ctl::kHfpB, ctl::kA2dpA, ctl::kA2dpB, ctl::kSppA, ctl::kSppB})
    EXPECT_FALSE(C(id)->isEnabled()) << id;
  EXPECT_TRUE(static_cast<QCheckBox*>(C(ctl::kRxIndication))->isChecked());
  EXPECT_FALSE(C(ctl::kRxDelayEdit)->isEnabled());  // although 1404 is checked
  EXPECT_TRUE(static_cast<QRadioButton*>(C(ctl::kDeviceA))->isChecked());
  EXPECT_EQ(window_->SelectedDevice(), 0);
  EXPECT_EQ(window_->BaudRate(), 115200);

  QTabWidget* sheet = window_->Sheet();
  const char* captions[] = {"Setting", "HFP", "A2DP", "SPP", "MISC", "Information", "System", "Contact", "LE ", "nSPK"};
  ASSERT_EQ(sheet->count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(sheet->tabText(i).toStdString(), captions[i]);
  EXPECT_EQ(sheet->currentIndex(), 9);

  const std::pair<int, int> idle[] = {
      {ctl::kHfpA, 9},     {ctl::kHfpB, 9},     {ctl::kA2dpA, 11},    {ctl::kA2dpB, 11},    {ctl::kRingA, 1},
      {ctl::kRingB, 1},    {ctl::kCallA, 5},    {ctl::kCallB, 5},     {ctl::kSignalA, 41},  {ctl::kSignalB, 41},
      {ctl::kRoamingA, 46}, {ctl::kRoamingB, 46}, {ctl::kBatteryA, 14}, {ctl::kBatteryB, 14}, {ctl::kSppA, 49},
      {ctl::kSppB, 49},    {ctl::kModuleMessage, 13}, {ctl::kModuleBattery, 14}, {ctl::kModuleVolume, 23},
      {ctl::kSlaveSpeaker1, 59}, {ctl::kSlaveSpeaker2, 61}, {ctl::kLeLinkIcon, icon::kLeLinkGrey},
      {ctl::kLeDataIcon, icon::kLeDataGrey}};
  for (const auto& [control, image] : idle) EXPECT_EQ(window_->PictureOf(control), image) << control;
}

TEST_F(WindowTest, RxIndicationBoxEnablesTheDelayEdit) {
  auto* rx = static_cast<QCheckBox*>(C(ctl::kRxIndication));
  rx->setChecked(false);
  EXPECT_FALSE(C(ctl::kRxDelayEdit)->isEnabled());
  rx->setChecked(true);
  EXPECT_TRUE(C(ctl::kRxDelayEdit)->isEnabled());
  // Only digits go into the delay edit.
  auto* delay = static_cast<QLineEdit*>(C(ctl::kRxDelayEdit));
  QTest::keyClicks(delay, "1a2");
  EXPECT_EQ(delay->text().toStdString(), "12");
}

TEST_F(WindowTest, BaudTextTakesLeadingDigitsAndLettersGiveZero) {
  auto* baud = static_cast<QComboBox*>(C(ctl::kBaudCombo));
  baud->setCurrentIndex(9);
  EXPECT_EQ(window_->BaudRate(), 9600);
  baud->setEditText("250000");
  EXPECT_EQ(window_->BaudRate(), 250000);
  baud->setEditText("fast");
  EXPECT_EQ(window_->BaudRate(), 0);
}

TEST_F(WindowTest, DeviceBSelectsDeviceIndexOne) {
  static_cast<QRadioButton*>(C(ctl::kDeviceB))->setChecked(true);
  EXPECT_EQ(window_->SelectedDevice(), 1);
  EXPECT_EQ(window_->PictureOf(ctl::kHfpA), 9);  // the rows keep their pictures
  static_cast<QRadioButton*>(C(ctl::kDeviceA))->setChecked(true);
  EXPECT_EQ(window_->SelectedDevice(), 0);
}

TEST_F(WindowTest, TimerMovesEveryQueuedEntryInOrderToPaneAndFile) {
  for (int i = 0; i < 1000; ++i) window_->Log().Push("entry " + std::to_string(i) + "\n");
  window_->OnLogTimer();
  EXPECT_TRUE(window_->Log().TakeAll().empty());
  std::string expected_file;
  for (int i = 0; i < 1000; ++i) expected_file += "entry " + std::to_string(i) + "\n";
  EXPECT_EQ(ReadFile(options_.log_path), expected_file);
  // The pane was reset after its 501st line: it holds entries 501 to 999.
  const std::string pane = PaneText();
  EXPECT_EQ(pane.rfind("entry 501\n", 0), 0u) << pane.substr(0, 40);
  EXPECT_NE(pane.find("entry 999\n"), std::string::npos);
}

TEST_F(WindowTest, SaveAsAppendsTxtAndWritesThePaneWithCrLf) {
  window_->Log().Push("Call active.\n");
  window_->OnLogTimer();
  const std::string base = TestDir() + "saved_log";
  prompter_.ScriptFileAnswer(base);
  window_->OnSaveAs();
  ASSERT_EQ(prompter_.file_requests.size(), 1u);
  EXPECT_EQ(prompter_.file_requests[0].filter_label, "TXT FILE(*.TXT)");
  EXPECT_EQ(prompter_.file_requests[0].pattern, "*.txt");
  EXPECT_EQ(ReadFile(base + ".txt"), "Call active.\r\n");
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(WindowTest, ClearThenSaveAsWritesAnEmptyFile) {
  window_->Log().Push("Call active.\n");
  window_->OnLogTimer();
  window_->OnClear();
  const std::string path = TestDir() + "cleared.txt";
  prompter_.ScriptFileAnswer(path);
  window_->OnSaveAs();
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(ReadFile(options_.log_path), "Call active.\n");  // the file is untouched
}

TEST_F(WindowTest, SaveAsCancelWritesNothingAndAnUnwritableTargetSaysSo) {
  window_->OnSaveAs();  // no scripted answer: Cancel
  EXPECT_TRUE(prompter_.messages.empty());
  prompter_.ScriptFileAnswer(std::string("/nonexistent-dir/log"));
  window_->OnSaveAs();
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Open file fail!");
  EXPECT_EQ(prompter_.messages[0].caption, "Quorlin");
  EXPECT_EQ(prompter_.messages[0].icon, MessageIcon::kError);
}

TEST_F(WindowTest, PictureRequestsMadeBeforeCloseAreDroppedAndLaterOnesApply) {
  const auto call_incoming = testing_support::MakeEvent(0x02, {0x00, 0x02});
  auto present = [&] {
    window_->Presenter().OnModuleEvent(call_incoming.packet.data(), static_cast<int>(call_incoming.packet.size()),
                                       0x02, call_incoming.content.data());
  };
  present();  // queued for the GUI thread, as from the reader thread
  window_->OnClose();
  QCoreApplication::processEvents();
  EXPECT_EQ(window_->PictureOf(ctl::kRingA), img::kBellGrey);
  present();
  QCoreApplication::processEvents();
  EXPECT_EQ(window_->PictureOf(ctl::kRingA), img::kBellRinging);
}

}  // namespace
