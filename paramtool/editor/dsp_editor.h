#pragma once
// The DSP editor's document and its actions on the page models: start-up, version selection,
// Save, "DSP Parameter", Load, "DSP Default" and "Exit". Messages and file dialogs go
// through the prompter, the equaliser designer through the designer callback.

#include <memory>
#include <string>

#include "paramtool/editor/audio_page.h"
#include "paramtool/editor/designer_callback.h"
#include "paramtool/editor/i2s_pcm_page.h"
#include "paramtool/editor/main_page.h"
#include "paramtool/editor/prompter.h"
#include "paramtool/editor/voice_page.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_header.h"

namespace paramtool::editor {

enum EditorPage : int { kMainPageIndex = 0, kVoicePageIndex = 1, kAudioPageIndex = 2, kI2sPcmPageIndex = 3 };

inline constexpr const char* kTableFileDialogTitle = "E2PROM Table File:";
inline constexpr const char* kTableFileFilter = "TXT Files (*.txt)|*.txt|All Files (*.*)|*.*||";
inline constexpr const char* kDefaultFileName = "Default.txt";
inline constexpr const char* kParameterFileName = "DSP_parameter.txt";
inline constexpr const char* kBackToDefaultMessage = "All parameters are back to default";

class DspEditor {
 public:
  // Creates the pages and runs the start-up of the document.
  DspEditor(Prompter& prompter, DesignerCallback& designer, TableDate (*clock)() = today);

  // ---- actions ---------------------------------------------------------------------------
  void showPage(int index);
  void selectVersion(int position);  // combo 1074 changed
  bool save();                       // "Save": true when the file was written
  bool exportParameters();           // "DSP Parameter"
  bool load();                       // "Load": true when a table was loaded
  void restoreDefaults();            // "DSP Default" for the page shown
  void exit() { closed_ = true; }    // "Exit": nothing is saved, nothing asked

  // ---- state -----------------------------------------------------------------------------
  ParameterSet& parameters() { return *set_; }
  const DocumentStrings& strings() const { return strings_; }
  const std::string& documentPath() const { return documentPath_; }
  const std::string& fileName() const { return fileName_; }  // edit 1062
  const std::string& title() const { return main.title; }
  int shownPage() const { return shownPage_; }
  bool closed() const { return closed_; }

 private:
  void startUpSequence();  // the start-up sequence onwards: table segments, title, page defaults
  void showPageDefaults();
  // Asks for the file, takes its path and collects the main, voice and audio pages.
  bool beginTableWrite(const char* initialName);
  std::optional<std::string> askTableFile(bool save, const char* initialName);
  void takePath(const std::string& path);
  bool writeTable(int size);

  Prompter& prompter_;
  TableDate (*clock_)();
  std::unique_ptr<ParameterSet> set_;
  DocumentStrings strings_;
  std::string documentPath_;
  std::string fileName_ = kDefaultFileName;
  int shownPage_ = kMainPageIndex;
  bool closed_ = false;
  bool projectTitle_ = false;

 public:
  MainPage main;
  VoicePage voice;
  AudioPage audio;
  I2sPcmPage i2sPcm;
};

}  // namespace paramtool::editor
