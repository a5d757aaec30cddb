#pragma once
// The HFP page: dialling and call control.

#include "pages/quorlin_page.h"

class CPage2 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 240;
  explicit CPage2(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("HFP"), kTemplateId, parent) {}
};
