#pragma once
// The Information page: versions, names, addresses and paired devices.

#include "pages/quorlin_page.h"

class CPage6 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 244;
  explicit CPage6(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("Information"), kTemplateId, parent) {}
};
