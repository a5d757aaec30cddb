#include "paramtool/editor/main_page.h"

#include "paramtool/param_record_table.h"

namespace paramtool::editor {

void MainPage::collect() {
  strings_.projectName = kProjectName;
  set_.set(kMainPageMarkerRecord, 0);
}

void MainPage::showProjectTitle() { title = strings_.projectName + " DSP Configuration Tool " + "1.06"; }

void MainPage::refreshAfterLoad() {
  strings_ = DocumentStrings{kProjectName, kRomInformation, ""};
  showProjectTitle();
  icVersion.show(2);
}

}  // namespace paramtool::editor
