#include "paramtool/editor/dsp_editor.h"

#include "paramtool/table_file.h"

namespace paramtool::editor {
namespace {

constexpr int kLastMarkedByte = 0x353;  // Save and export mark 0x000-0x353 absent before storing
constexpr int kVoiceFeatures = 0x1DF;
constexpr int kAecMode = 0x1E2;

std::string fileNamePart(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

void setToDefault(ParameterSet& set, int address) { set.set(address, set.defaultValue(address)); }

}  // namespace

DspEditor::DspEditor(Prompter& prompter, DesignerCallback& designer, TableDate (*clock)())
    : prompter_(prompter),
      clock_(clock),
      set_(std::make_unique<ParameterSet>()),
      main(*set_, strings_),
      voice(*set_, designer, prompter),
      audio(*set_, designer, prompter),
      i2sPcm(*set_) {
  // The document starts empty: every byte 0 and absent, then the start-up sequence.
  set_->table().clear();
  set_->table().size = EepromTable::kBytes;
  set_->clearSegmentFlags();
  startUpSequence();
}

void DspEditor::startUpSequence() {
  set_->startUp();
  if (projectTitle_) {
    main.showProjectTitle();
  } else {
    main.title = kStartUpTitle;
  }
  fileName_ = kDefaultFileName;
  showPageDefaults();
}

void DspEditor::showPageDefaults() {
  voice.showDefaults();
  audio.showDefaults();
  i2sPcm.showDefaults();
}

void DspEditor::showPage(int index) {
  if (index >= kMainPageIndex && index <= kI2sPcmPageIndex) shownPage_ = index;
}

void DspEditor::selectVersion(int position) {
  main.icVersion.show(position);
  strings_.projectName = kProjectName;
  strings_.romInformation = kRomInformation;
  projectTitle_ = true;
  setToDefault(*set_, kVoiceFeatures);
  setToDefault(*set_, kAecMode);
  restoreDefaults();
  set_->table().clear();
  startUpSequence();
}

void DspEditor::restoreDefaults() {
  ParameterSet& set = *set_;
  set.exchange() = DesignerExchange{};
  set.table().clearRange(0x000, EepromTable::kParameterAreaBytes - 1);
  fileName_ = kDefaultFileName;
  switch (shownPage_) {
    case kMainPageIndex:
      set.writePatchSegment();
      setToDefault(set, kVoiceFeatures);
      setToDefault(set, kAecMode);
      voice.refresh();
      voice.showDefaults();
      audio.showDefaults();
      i2sPcm.showDefaults();
      prompter_.show(kBackToDefaultMessage);
      break;
    case kVoicePageIndex:
      for (int i = 0; i < GainLevelEditor::kLevels; ++i) setToDefault(set, kVoiceGainLevels.levelBase + i);
      setToDefault(set, 0x0C5);
      voice.showDefaults();
      break;
    default:  // audio and I2S/PCM
      set.set(0x1EC, set.value(0x1EC) & ~0x40);
      set.set(0x1E7, 0);
      set.set(0x1E0, 0);
      set.set16(0x1E8, 0x07FF);
      for (int i = 0; i < GainLevelEditor::kLevels; ++i) set.set(kAudioGainLevels.levelBase + i, 0xD7);
      if (shownPage_ == kAudioPageIndex) {
        audio.showDefaults();
      } else {
        i2sPcm.showDefaults();
      }
      break;
  }
}

std::optional<std::string> DspEditor::askTableFile(bool save, const char* initialName) {
  const FileDialogRequest request{kTableFileDialogTitle, kTableFileFilter, initialName, "."};
  return save ? prompter_.askSaveFile(request) : prompter_.askOpenFile(request);
}

void DspEditor::takePath(const std::string& path) {
  documentPath_ = path;
  fileName_ = fileNamePart(path);
}

bool DspEditor::writeTable(int size) {
  ParameterSet& set = *set_;
  set.table().markAbsent(0x000, kLastMarkedByte);
  set.storeValues();
  return writeTableFile(documentPath_, set.table(), size, strings_, prompter_, clock_());
}

bool DspEditor::beginTableWrite(const char* initialName) {
  const auto path = askTableFile(true, initialName);
  if (!path) return false;
  takePath(*path);
  main.collect();
  voice.collect();
  audio.collect();
  return true;
}

bool DspEditor::save() {
  if (!beginTableWrite(kDefaultFileName)) return false;
  ParameterSet& set = *set_;
  i2sPcm.collect();
  for (int address : {0x02C, 0x02D, 0x00B, 0x00C, 0x00D, 0x00E}) set.setPresent(address, true);
  set.writeSegmentDirectory();
  set.table().size = EepromTable::kBytes;
  return writeTable(EepromTable::kBytes);
}

bool DspEditor::exportParameters() {
  if (!beginTableWrite(kParameterFileName)) return false;
  ParameterSet& set = *set_;
  // The export leaves out the segment pointers and the I2S/PCM registers.
  for (int address : {0x036, 0x037, 0x038, 0x039, 0x02C, 0x02D, 0x00B, 0x00C, 0x00D, 0x00E}) {
    set.setPresent(address, false);
  }
  set.table().put(0x355, 0, kSegmentMark);
  return writeTable(EepromTable::kParameterAreaBytes);
}

bool DspEditor::load() {
  const auto path = askTableFile(false, "");
  if (!path) return false;
  showPage(kMainPageIndex);
  // A file that cannot be read leaves the document, its name and the pages as they were.
  if (!readTableFile(*path, *set_, prompter_)) return false;
  takePath(*path);
  projectTitle_ = true;
  main.refreshAfterLoad();
  voice.enableAllControls();
  voice.refresh();
  audio.refresh();
  i2sPcm.refresh();
  return true;
}

}  // namespace paramtool::editor
