#pragma once
// A nested tab control beside a block diagram: clicking a block shows the page it stands
// for and moves the highlight to it; clicking a tab shows that page and highlights the block
// whose number equals the page index. Exactly one block is highlighted at a time.

#include <utility>
#include <vector>

namespace paramtool::editor {

class BlockDiagramTabs {
 public:
  // pageOfBlock[b] is the page block b shows; the first page and block 0 start out shown.
  explicit BlockDiagramTabs(std::vector<int> pageOfBlock) : pageOfBlock_(std::move(pageOfBlock)) {}

  void clickBlock(int block) {
    if (block < 0 || block >= static_cast<int>(pageOfBlock_.size()) || block == highlightedBlock_) return;
    highlightedBlock_ = block;
    shownPage_ = pageOfBlock_[static_cast<std::size_t>(block)];
  }
  void clickTab(int page) {
    shownPage_ = page;
    highlightedBlock_ = page;
  }

  int shownPage() const { return shownPage_; }
  int highlightedBlock() const { return highlightedBlock_; }

 private:
  std::vector<int> pageOfBlock_;
  int shownPage_ = 0;
  int highlightedBlock_ = 0;
};

}  // namespace paramtool::editor
