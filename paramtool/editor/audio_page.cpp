#include "paramtool/editor/audio_page.h"

#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {

AudioPage::AudioPage(ParameterSet& set, DesignerCallback& designer, Reporter& reporter)
    : lineIn(set), speakerGain(set, kAudioGainLevels, reporter), soundEffect(set), eq(set, designer), set_(set) {}

void AudioPage::showDefaults() {
  for (PageModel* page : std::initializer_list<PageModel*>{&lineIn, &soundEffect, &speakerGain, &eq}) page->showDefaults();
}

void AudioPage::refresh() {
  for (PageModel* page : std::initializer_list<PageModel*>{&lineIn, &speakerGain, &soundEffect, &eq}) page->refresh();
}

void AudioPage::collect() {
  clearBits(set_, 0x1EC, 0x20);
  for (int address : {0x2F5, 0x2F6, 0x2F7}) set_.set(address, 0);
  for (PageModel* page : std::initializer_list<PageModel*>{&lineIn, &soundEffect, &speakerGain, &eq}) page->collect();
}

}  // namespace paramtool::editor
