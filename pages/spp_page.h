#pragma once
// The SPP page: SPP data transfer.

#include "pages/quorlin_page.h"

#include <atomic>

class CPage4 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 242;
  explicit CPage4(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("SPP"), kTemplateId, parent) {}

  // The "Show data" box (1315): whether SPP data packets are dumped into the log. Read by
  // the trace on any thread.
  bool ShowData() const { return show_data_; }
  void SetShowData(bool show) { show_data_ = show; }

 private:
  std::atomic<bool> show_data_{false};
};
