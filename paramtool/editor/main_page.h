#pragma once
// "Main Function": the IC version list and the title of the editor.

#include <string>

#include "paramtool/editor/control_state.h"
#include "paramtool/parameter_set.h"
#include "paramtool/table_header.h"

namespace paramtool::editor {

inline constexpr const char* kStartUpTitle = "Tolvane_QM480x_012_ZadiVidoVIZ1.1_v1.06 DSP Configuration Tool 1.06";

class MainPage {
 public:
  MainPage(ParameterSet& set, DocumentStrings& strings) : set_(set), strings_(strings) {}

  // Save and "DSP Parameter" collect the main page first.
  void collect();
  // After a successful Load: the editor's document strings and title; the version list is
  // asked for an item it does not have, so it shows none.
  void refreshAfterLoad();
  // The title once a version was chosen or a table loaded: project name and tool version.
  void showProjectTitle();

  ListControl icVersion{1};  // combo 1074 "IC Version"
  std::string title = kStartUpTitle;

 private:
  ParameterSet& set_;
  DocumentStrings& strings_;
};

}  // namespace paramtool::editor
