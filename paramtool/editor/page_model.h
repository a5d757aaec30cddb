#pragma once
// The protocol every editor page follows: ShowDefaults puts the defaults into its controls
// (and, where the page says so, into the parameter set), Refresh shows the stored values,
// Collect writes the controls back into the parameter set.

namespace paramtool::editor {

class PageModel {
 public:
  virtual ~PageModel() = default;
  virtual void showDefaults() = 0;
  virtual void refresh() = 0;
  virtual void collect() = 0;
};

}  // namespace paramtool::editor
