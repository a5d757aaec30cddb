#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "editor_test_support.h"
#include "paramtool/builtin_blocks.h"
#include "paramtool/cli/sorrel_cli.h"
#include "paramtool/table_file.h"

namespace paramtool::editor {
namespace {

using test::EditorFixture;

// The table a file holds, as the reader sees it.
EepromTable tableOf(const std::string& path) {
  EepromTable table;
  std::ifstream in(path, std::ios::binary);
  test::RecordingReporter reporter;
  EXPECT_TRUE(parseTableText(in, path, table, reporter)) << path;
  return table;
}

std::vector<int> bytesAt(const EepromTable& t, int at, int count) {
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(t.present(at + i) ? t.bytes[static_cast<std::size_t>(at + i)] : -1);
  return out;
}

class Editor : public ::testing::Test, protected EditorFixture {
 protected:
  std::string saveAs(const std::string& name) {
    const std::string path = dir.file(name);
    prompter.answers.push_back(path);
    EXPECT_TRUE(editor->save());
    return path;
  }
  std::string exportAs(const std::string& name) {
    const std::string path = dir.file(name);
    prompter.answers.push_back(path);
    EXPECT_TRUE(editor->exportParameters());
    return path;
  }
  bool loadFrom(const std::string& path) {
    prompter.answers.push_back(path);
    return editor->load();
  }
  test::ScratchDir dir;
};

TEST_F(Editor, StartsWithDefaultsShownAndAnEmptyParameterArea) {
  EXPECT_EQ(editor->title(), "Tolvane_QM480x_012_ZadiVidoVIZ1.1_v1.06 DSP Configuration Tool 1.06");
  EXPECT_EQ(editor->fileName(), "Default.txt");
  EXPECT_EQ(editor->voice.nr.mic.position, 5);
  EXPECT_EQ(editor->voice.mic.digitalGain.position, 14);
  EXPECT_EQ(editor->i2sPcm.index(), 10);
  for (int a = 0; a < 0x400; ++a) ASSERT_FALSE(set.table().present(a)) << a;
}

TEST_F(Editor, SaveAfterStartUpWritesTheDefaultTable) {
  const std::string path = saveAs("Default.txt");
  EXPECT_EQ(prompter.requests.back().title, "E2PROM Table File:");
  EXPECT_EQ(prompter.requests.back().filter, "TXT Files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_EQ(prompter.requests.back().initialName, "Default.txt");
  EXPECT_EQ(prompter.messages.back(), path + " is saved successfully!");

  const EepromTable t = tableOf(path);
  const struct {
    int at;
    std::vector<int> bytes;
  } cases[] = {
      {0x345, {0x09}},  // ADC gain position 3, although the default is 0x0E
      {0x316, {0x05, 0x04}},
      {0x1E8, {0x04, 0x01}},
      {0x800, {0x01, 0x00, 0x00, 0x04, 0x08, 0xC1, 0xA0, 0x26}},
      {0x00B, {0x09, 0xC0, 0x00, 0xB8}},
      {0x02C, {0x0A, 0x82}},
      {0x036, {0x08, 0x12, 0x01, 0xA4}},
      {0x9B6, {0xD2, 0x00, 0x00, 0xBE, 1, 0, 0, 6, 0x00, 0xB8}},
      {0x9C0 + 6, {0xEB, 0x1F}},
      {0x9C0 + 18, {0x08}},
      {0x9C0 + 46, {0xEB, 0x5F}},
      {0x9C0 + 58, {0x08}},
      {0x9C0 + 78, {0x08}},
      {0xF7B, {0x90, 0x00, 0x00, 0x12, 0xD0, 0, 1, 0, 0, 6, 0xD1, 0, 1, 0, 0, 6, 0xD2, 0, 1, 0, 0, 6, 0x99, 0x66, 0, 0}},
      {0x348, {-1, -1, -1, -1, -1, -1, -1}},  // no record covers 0x348-0x34E
      {0x1300, {-1}},
  };
  for (const auto& c : cases) EXPECT_EQ(bytesAt(t, c.at, static_cast<int>(c.bytes.size())), c.bytes) << std::hex << c.at;
  EXPECT_EQ(bytesAt(t, 0x9C0 + 144, 40), bytesAt(t, 0x9C0 + 40, 40));

  const std::string text = test::readFile(path);
  EXPECT_NE(text.find(";Project Name: QM480x_012_ZadiVidoVIZ1.1_v1.06;\r\n"), std::string::npos);
  EXPECT_NE(text.find(";ROM Information: ;\r\n"), std::string::npos);  // set only by Load or a version choice
  EXPECT_NE(text.find(";Date        : 16/04/12;\r\n"), std::string::npos);
}

// The golden file is what the editor saves right after start-up; see testdata/README.md.
TEST_F(Editor, DefaultSaveMatchesTheGoldenFileExceptDateAndChecksumWhichFollowTheirRules) {
  const std::string written = test::readFile(saveAs("Default.txt"));
  const std::string golden = test::readFile(std::string(BTM_SOURCE_DIR) + "/paramtool/testdata/default_save.txt");
  auto lines = test::crlfLines(written);
  auto goldenLines = test::crlfLines(golden);
  ASSERT_EQ(lines.size(), goldenLines.size());
  EXPECT_EQ(lines[9], ";Date        : 16/04/12;");
  EXPECT_EQ(goldenLines[9].substr(0, 15), ";Date        : ");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 9 || i == 10) continue;
    ASSERT_EQ(lines[i], goldenLines[i]) << "line " << i + 1;
  }
  std::ostringstream out, err;
  EXPECT_EQ(cli::runSorrelCli({"check", dir.file("Default.txt")}, out, err), 0) << out.str();
  EXPECT_NE(out.str().find("verified"), std::string::npos);
}

TEST_F(Editor, LoadFollowedBySaveLeavesTheCoefficientSlotsUnchanged) {
  const struct {
    const char* name;
    int speaker;
    int mic;
  } cases[] = {{"both equalisers off", 0, 0}, {"both on", 1, 1}, {"AEC shaping, MIC off", 2, 0}, {"MIC on only", 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EditorFixture first;
    first.designer.result = test::filledBlock(0x0A11);
    first.editor->audio.eq.customEq2();
    first.designer.result = test::filledBlock(0x0B22);
    first.editor->voice.eq.customEqMic();
    first.designer.result = test::filledBlock(0x0C33);
    first.editor->voice.eq.customEqSpeakerMsbc();
    first.editor->voice.eq.chooseSpeaker(c.speaker);
    first.editor->voice.eq.chooseMic(c.mic);
    first.prompter.answers.push_back(dir.file("first.txt"));
    ASSERT_TRUE(first.editor->save());

    EditorFixture second;
    second.prompter.answers = {dir.file("first.txt"), dir.file("second.txt")};
    ASSERT_TRUE(second.editor->load());
    ASSERT_TRUE(second.editor->save());
    const EepromTable a = tableOf(dir.file("first.txt"));
    const EepromTable b = tableOf(dir.file("second.txt"));
    EXPECT_EQ(bytesAt(a, 0x808, 10 + 420), bytesAt(b, 0x808, 10 + 420));
    EXPECT_EQ(bytesAt(a, 0x812, 4), (std::vector<int>{0x0A, 0x11, 0x0A, 0x11}));
    EXPECT_EQ(bytesAt(a, 0x000, 0x400), bytesAt(b, 0x000, 0x400));
  }
}

TEST_F(Editor, LoadingAParameterFileKeepsTheDocumentsBlocksAndRegisters) {
  designer.result = test::filledBlock(0x0A11);
  editor->audio.eq.customEq2();
  const std::string params = exportAs("DSP_parameter.txt");
  ASSERT_TRUE(loadFrom(params));
  EXPECT_EQ(editor->i2sPcm.index(), 10);  // the register set beyond the file still reads as 24 bit
  const EepromTable saved = tableOf(saveAs("after.txt"));
  EXPECT_EQ(bytesAt(saved, 0x812, 4), (std::vector<int>{0x0A, 0x11, 0x0A, 0x11}));
  EXPECT_EQ(bytesAt(saved, 0x866 + 80, 2), (std::vector<int>{0x40, 0x00}));  // the flat gain words of slot 1
  EXPECT_EQ(bytesAt(saved, 0x9C0 + 18, 1), (std::vector<int>{0x08}));
}

TEST_F(Editor, DspDefaultResetsWhatThePageShownOwns) {
  enum Check { kVoiceLevels = 1, kAudioLevels = 2, kVoicePages = 4, kAudioPages = 8, kI2sPage = 16, kMessage = 32 };
  const struct {
    int page;
    int resets;
  } cases[] = {
      {kMainPageIndex, kVoicePages | kAudioPages | kI2sPage | kMessage},
      {kVoicePageIndex, kVoiceLevels | kVoicePages},
      {kAudioPageIndex, kAudioLevels | kAudioPages},
      {kI2sPcmPageIndex, kAudioLevels | kI2sPage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    EditorFixture f;
    DspEditor& e = *f.editor;
    ParameterSet& s = f.set;
    f.prompter.answers.push_back(dir.file("x.txt"));
    ASSERT_TRUE(e.save());
    s.set(0x18D, 0x22);  // still a rising table: no message from the voice refresh
    s.set(0x17D, 0x25);
    s.set16(0x1E8, 0x0001);
    s.exchange().resultReady = true;
    e.voice.nr.speaker.show(9);
    e.audio.lineIn.adcGain.show(16);
    e.i2sPcm.mode.show(1);
    f.prompter.messages.clear();

    e.showPage(c.page);
    e.restoreDefaults();
    EXPECT_EQ(e.fileName(), "Default.txt");
    EXPECT_FALSE(s.exchange().resultReady);
    EXPECT_FALSE(s.table().present(0x316));
    EXPECT_EQ(s.value(0x18D), (c.resets & kVoiceLevels) ? 0xF7 : 0x22);
    EXPECT_EQ(s.value(0x17D), (c.resets & kAudioLevels) ? 0xD7 : 0x25);
    EXPECT_EQ(s.value16(0x1E8), (c.resets & kAudioLevels) ? 0x07FF : 0x0001);
    EXPECT_EQ(e.voice.nr.speaker.position, (c.resets & kVoicePages) ? 4 : 9);
    EXPECT_EQ(e.audio.lineIn.adcGain.position, (c.resets & kAudioPages) ? 3 : 16);
    EXPECT_EQ(e.i2sPcm.mode.position, (c.resets & kI2sPage) ? 0 : 1);
    EXPECT_EQ(f.prompter.messages, (c.resets & kMessage) ? std::vector<std::string>{"All parameters are back to default"}
                                                        : std::vector<std::string>{});
  }
}

TEST_F(Editor, DspParameterExportLeavesOutRegistersAndSegmentPointers) {
  const std::string path = exportAs("DSP_parameter.txt");
  EXPECT_EQ(prompter.requests.back().initialName, "DSP_parameter.txt");
  const std::string text = test::readFile(path);
  EXPECT_EQ(test::crlfLines(text).back().substr(0, 4), "03F0");
  const EepromTable t = tableOf(path);
  EXPECT_EQ(t.size, 1024);
  for (int a : {0x00B, 0x00C, 0x00D, 0x00E, 0x02C, 0x02D, 0x036, 0x037, 0x038, 0x039}) {
    EXPECT_FALSE(t.present(a)) << std::hex << a;
  }
  EXPECT_EQ(bytesAt(t, 0x355, 1), (std::vector<int>{0x15}));
  EXPECT_EQ(bytesAt(t, 0x316, 2), (std::vector<int>{0x05, 0x04}));

  // The export leaves the document's full-table pointers alone for the next Save.
  const EepromTable full = tableOf(saveAs("Default.txt"));
  EXPECT_EQ(bytesAt(full, 0x00B, 4), (std::vector<int>{0x09, 0xC0, 0x00, 0xB8}));
}

TEST_F(Editor, LoadRefreshesThePagesAndNamesTheProject) {
  editor->voice.aecAes.toggleAec(false);
  editor->voice.nr.speaker.show(7);
  editor->audio.soundEffect.toggleWidening(true);
  editor->audio.soundEffect.clickMask(kEffectWidening, true);
  editor->audio.soundEffect.wideningLevel.show(3);
  const std::string path = saveAs("mine.txt");

  EditorFixture other;
  other.editor->showPage(kAudioPageIndex);
  other.prompter.answers.push_back(path);
  ASSERT_TRUE(other.editor->load());
  EXPECT_EQ(other.prompter.messages.back(), "Read " + path + " OK!");
  EXPECT_EQ(other.editor->shownPage(), kMainPageIndex);
  EXPECT_EQ(other.editor->fileName(), "mine.txt");
  EXPECT_EQ(other.editor->title(), "QM480x_012_ZadiVidoVIZ1.1_v1.06 DSP Configuration Tool 1.06");
  EXPECT_EQ(other.editor->strings().romInformation, "QM480XGM_012_DUAL_SPK");
  EXPECT_EQ(other.editor->main.icVersion.position, kNoSelection);
  EXPECT_FALSE(other.editor->voice.aecAes.aec.checked);
  EXPECT_FALSE(other.editor->voice.aecAes.tapLength.enabled);
  EXPECT_EQ(other.editor->voice.nr.speaker.position, 7);
  EXPECT_TRUE(other.editor->audio.soundEffect.widening.checked);
  EXPECT_EQ(other.editor->audio.soundEffect.wideningLevel.position, 3);
}

TEST_F(Editor, AFailedOrCancelledActionChangesNothing) {
  const std::string bad = dir.file("bad.txt");
  test::writeFile(bad, "0000 5a\r\n");
  editor->voice.nr.speaker.show(7);
  EXPECT_FALSE(loadFrom(bad));
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"c = a", "The format of EEPROM table is wrong!"}));
  EXPECT_EQ(editor->fileName(), "Default.txt");
  EXPECT_EQ(editor->voice.nr.speaker.position, 7);

  prompter.answers.push_back(std::nullopt);
  EXPECT_FALSE(editor->save());
  prompter.answers.push_back(std::nullopt);
  EXPECT_FALSE(editor->load());
  EXPECT_EQ(editor->documentPath(), "");
  EXPECT_FALSE(set.table().present(0x316));  // nothing was collected
}

TEST_F(Editor, VersionSelectionResetsTheDocumentUnderTheProjectTitle) {
  editor->voice.nr.speaker.show(7);
  editor->selectVersion(0);
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"All parameters are back to default"}));
  EXPECT_EQ(editor->title(), "QM480x_012_ZadiVidoVIZ1.1_v1.06 DSP Configuration Tool 1.06");
  EXPECT_EQ(editor->voice.nr.speaker.position, 4);
  const std::string text = test::readFile(saveAs("v.txt"));
  EXPECT_NE(text.find(";ROM Information: QM480XGM_012_DUAL_SPK;\r\n"), std::string::npos);
}

TEST_F(Editor, SaveMarksUncoveredParameterBytesAbsentEvenWhenTheFileHadThem) {
  std::string text = test::readFile(saveAs("a.txt"));
  const std::string row = "0340    40 F0 7F 40 00 09 00 00     ** ** ** ** ** ** ** 90";
  ASSERT_NE(text.find(row), std::string::npos);
  text.replace(text.find(row), row.size(), "0340    40 F0 7F 40 00 09 00 00     55 55 ** ** ** ** ** 90");
  test::writeFile(dir.file("b.txt"), text);
  ASSERT_TRUE(loadFrom(dir.file("b.txt")));
  EXPECT_EQ(bytesAt(tableOf(saveAs("c.txt")), 0x348, 2), (std::vector<int>{-1, -1}));
}

TEST_F(Editor, ExitClosesWithoutSaving) {
  editor->exit();
  EXPECT_TRUE(editor->closed());
  EXPECT_TRUE(prompter.requests.empty());
}

}  // namespace
}  // namespace paramtool::editor
