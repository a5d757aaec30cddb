#include "paramtool/editor/gain_level_editor.h"

#include <algorithm>

namespace paramtool::editor {
namespace {

constexpr int kTopGainEntry = static_cast<int>(kSpeakerGainEntries) - 1;  // 40
constexpr int kAboveTopOnCountChange = 37;
constexpr std::array<int, 4> kTopForCount = {15, 11, 9, 7};
constexpr std::array<int, 4> kLevelCounts = {16, 12, 10, 8};

}  // namespace

const GainLevelVariant kVoiceGainLevels{0x18D, true, 40, true, false, "Cannot import voice gain table!"};
const GainLevelVariant kAudioGainLevels{0x17D, false, 37, false, true, "Cannot import audio gain table!"};

GainLevelEditor::GainLevelEditor(ParameterSet& set, const GainLevelVariant& variant, Reporter& reporter)
    : set_(set),
      variant_(variant),
      reporter_(reporter),
      map_(variant.highNibble ? set.voiceGainMap() : set.audioGainMap()) {
  custom.checked = true;
}

const char* GainLevelEditor::cellLabel(int level) const {
  const int entry = std::clamp(map_[static_cast<std::size_t>(level)], 0, kTopGainEntry);
  return kSpeakerGainTable[static_cast<std::size_t>(entry)].label;
}

bool GainLevelEditor::cellEnabled(int level) const {
  if (level > top_) return false;
  if (level >= 8) return custom.checked;
  return groupEnabled;
}

int GainLevelEditor::countOfLevels() const {
  return levelCount.selected() ? kLevelCounts[static_cast<std::size_t>(levelCount.position)] : kLevels;
}

void GainLevelEditor::raise(int k) {
  if (k < 0 || k >= kLevels) return;
  auto at = [this](int i) -> int& { return map_[static_cast<std::size_t>(i)]; };
  if (k >= top_) {
    int v = at(k);
    if (v < kTopGainEntry) ++v;
    for (int i = k; i < kLevels; ++i) at(i) = v;
    return;
  }
  // The levels from k up to the first gap (or up to the top, if it can still rise) move together.
  for (int j = k; j <= top_; ++j) {
    const bool gapAbove = j < top_ && at(j + 1) - at(j) > 1;
    const bool topCanRise = j == top_ && at(top_) < kTopGainEntry;
    if (gapAbove || topCanRise) {
      for (int i = k; i <= j; ++i) ++at(i);
      break;
    }
  }
  for (int i = top_ + 1; i < kLevels; ++i) at(i) = at(top_);
}

void GainLevelEditor::lower(int k) {
  if (k < 0 || k >= kLevels) return;
  auto at = [this](int i) -> int& { return map_[static_cast<std::size_t>(i)]; };
  if (k == 0) {
    if (at(0) > 0) --at(0);
    return;
  }
  // The levels from the first gap below k (or from level 0, if it can still fall) up to k move together.
  for (int j = k; j >= 0; --j) {
    const bool gapBelow = j > 0 && at(j) - at(j - 1) > 1;
    const bool bottomCanFall = j == 0 && at(0) > 0;
    if (gapBelow || bottomCanFall) {
      for (int i = j; i <= k; ++i) --at(i);
      break;
    }
  }
  if (k >= top_) {
    for (int i = k; i < kLevels; ++i) at(i) = at(k);
  }
}

void GainLevelEditor::limitDefaultLevel() {
  if (defaultLevel.position > countOfLevels()) defaultLevel.show(countOfLevels());
}

void GainLevelEditor::applyLevelCount(int aboveTop, bool limitDefault) {
  top_ = levelCount.selected() ? kTopForCount[static_cast<std::size_t>(levelCount.position)] : kLevels - 1;
  map_ = kGainLevelResetMap;
  for (int i = top_; i < kLevels; ++i) map_[static_cast<std::size_t>(i)] = aboveTop;
  if (limitDefault) limitDefaultLevel();
}

void GainLevelEditor::chooseLevelCount(int position) {
  levelCount.show(position);
  applyLevelCount(kAboveTopOnCountChange, true);
}

void GainLevelEditor::chooseDefaultLevel(int level) {
  defaultLevel.show(level);
  if (variant_.limitDefaultOnListChange) limitDefaultLevel();
}

void GainLevelEditor::toggleCustom(bool checked) {
  custom.checked = checked;
  levelCount.enabled = checked;
  groupEnabled = checked;
  applyLevelCount(variant_.aboveTopOnToggle, variant_.limitDefaultOnToggle);
}

int GainLevelEditor::storedDefaultLevel() const {
  const int v = set_.value(kDefaultLevelRecord);
  return variant_.highNibble ? (v >> 4) & 0x0F : v & 0x0F;
}

void GainLevelEditor::showDefaults() {
  map_ = kGainLevelResetMap;
  levelCount.show(0);
  levelCount.enabled = true;
  top_ = kLevels - 1;
  custom.checked = true;
  groupEnabled = true;
  const int d = set_.defaultValue(kDefaultLevelRecord);
  defaultLevel.show(variant_.highNibble ? (d >> 4) & 0x0F : d & 0x0F);
  defaultLevel.enabled = true;
}

// Rebuilds the map from the level records. False when they do not form a rising table that
// ends in a run of equal levels; anyAbsent tells whether a record was absent.
bool GainLevelEditor::readStoredLevels(bool& anyAbsent, int& distinct) {
  anyAbsent = false;
  for (int i = 0; i < kLevels; ++i) anyAbsent = anyAbsent || !set_.isPresent(variant_.levelBase + i);
  if (anyAbsent) return false;
  distinct = kLevels;
  int prev = -1;
  for (int i = 0; i < kLevels; ++i) {
    const int m = speakerGainIndexOf(set_.value(variant_.levelBase + i));
    map_[static_cast<std::size_t>(i)] = m;
    if (m < 0 || m < prev) return false;
    if (m == prev) {
      distinct = i;
      for (int j = i + 1; j < kLevels; ++j) {
        if (speakerGainIndexOf(set_.value(variant_.levelBase + j)) != prev) return false;
        map_[static_cast<std::size_t>(j)] = prev;
      }
      return true;
    }
    prev = m;
  }
  return true;
}

void GainLevelEditor::refresh() {
  bool anyAbsent = false;
  int distinct = kLevels;
  if (readStoredLevels(anyAbsent, distinct)) {
    custom.checked = true;
    levelCount.show(distinct == 8 ? 3 : distinct == 10 ? 2 : distinct == 12 ? 1 : 0);
  } else {
    custom.checked = false;
    for (int i = 0; i < kLevels; ++i) map_[static_cast<std::size_t>(i)] = i;
    if (!anyAbsent) reporter_.show(variant_.refreshMessage, MessageIcon::kInformation);
    levelCount.show(0);
  }
  groupEnabled = custom.checked;
  levelCount.enabled = custom.checked;
  defaultLevel.enabled = custom.checked;
  top_ = kTopForCount[static_cast<std::size_t>(levelCount.position)];
  defaultLevel.show(storedDefaultLevel());
}

void GainLevelEditor::collect() {
  for (int i = 0; i < kLevels; ++i) {
    const int record = variant_.levelBase + i;
    if (custom.checked) {
      const int entry = std::clamp(map_[static_cast<std::size_t>(i)], 0, kTopGainEntry);
      set_.set(record, kSpeakerGainTable[static_cast<std::size_t>(entry)].value);
    } else {
      set_.setPresent(record, false);
    }
  }
  const int level = defaultLevel.selected() ? defaultLevel.position : storedDefaultLevel();
  const int v = set_.value(kDefaultLevelRecord);
  set_.set(kDefaultLevelRecord, variant_.highNibble ? (v & 0x0F) | (level << 4) : (v & 0xF0) | level);
}

}  // namespace paramtool::editor
