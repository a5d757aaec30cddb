#pragma once
// The nSPK page: multi-speaker control.

#include "pages/quorlin_page.h"

class CPageB : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 267;
  explicit CPageB(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("nSPK"), kTemplateId, parent) {}
};
