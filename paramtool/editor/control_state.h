#pragma once
// The state of the controls a page model stands for: what a drop-down list or a check box
// holds, without any window. The editor's windows show this state and feed user actions back.

#include <string>
#include <vector>

namespace paramtool::editor {

inline constexpr int kNoSelection = -1;

// A drop-down list with a fixed number of items.
struct ListControl {
  int count = 0;
  int position = kNoSelection;
  bool enabled = true;

  explicit ListControl(int itemCount = 0, int initial = kNoSelection) : count(itemCount) { show(initial); }
  // Selects `p`; a position the list does not have leaves it without a selection.
  void show(int p) { position = (p >= 0 && p < count) ? p : kNoSelection; }
  bool selected() const { return position != kNoSelection; }
};

// A drop-down list whose items are rebuilt from other controls; each item carries a code.
struct RebuiltListControl {
  std::vector<std::string> items;
  std::vector<int> codes;
  int position = kNoSelection;
  bool enabled = true;

  int count() const { return static_cast<int>(items.size()); }
  void show(int p) { position = (p >= 0 && p < count()) ? p : kNoSelection; }
  bool selected() const { return position != kNoSelection; }
  int selectedCode(int fallback) const { return position == kNoSelection ? fallback : codes[static_cast<std::size_t>(position)]; }
};

struct CheckControl {
  bool checked = false;
  bool enabled = true;
};

}  // namespace paramtool::editor
