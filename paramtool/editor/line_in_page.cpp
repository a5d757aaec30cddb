#include "paramtool/editor/line_in_page.h"

#include "paramtool/editor/record_bits.h"

namespace paramtool::editor {
namespace {

constexpr int kSilence = 0x33B;  // 2 * position; 0x20 is "off"
constexpr int kInitialGain = 0x1BA;
constexpr int kLevels = 0x1F6;   // maximum (high nibble), minimum (low nibble)
constexpr int kAdcGain = 0x345;  // 3 * position up to position 7, then 3 * position + 11

int adcCodeOf(int position) { return position <= 7 ? 3 * position : 3 * position + 11; }
int adcPositionOf(int code) { return ((code >> 5) * 21 + (code & 0x1F)) / 3; }

}  // namespace

void LineInPage::show(int silenceByte, int gain, int levels) {
  silence.show(silenceByte >> 1);
  initialGain.show(gain);
  maxLevel.show((levels >> 4) & 0x0F);
  minLevel.show(levels & 0x0F);
}

void LineInPage::showDefaults() {
  show(set_.defaultValue(kSilence), set_.defaultValue(kInitialGain), set_.defaultValue(kLevels));
  // (0x0E + 6) / 6 = 3, so the first save after start-up stores 0x09, not the default 0x0E.
  adcGain.show((set_.defaultValue(kAdcGain) + 6) / 6);
}

void LineInPage::refresh() {
  show(set_.value(kSilence), set_.value(kInitialGain), set_.value(kLevels));
  adcGain.show(adcPositionOf(set_.value(kAdcGain)));
}

void LineInPage::collect() {
  const int levels = set_.value(kLevels);
  if (silence.selected()) set_.set(kSilence, 2 * silence.position);
  if (initialGain.selected()) set_.set(kInitialGain, initialGain.position);
  set_.set(kLevels, positionOr(maxLevel, (levels >> 4) & 0x0F) << 4 | positionOr(minLevel, levels & 0x0F));
  if (adcGain.selected()) set_.set(kAdcGain, adcCodeOf(adcGain.position));
}

}  // namespace paramtool::editor
