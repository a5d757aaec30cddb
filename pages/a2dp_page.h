#pragma once
// The A2DP page: music and AVRCP player control.

#include "pages/quorlin_page.h"

class CPage3 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 241;
  explicit CPage3(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("A2DP"), kTemplateId, parent) {}
};
