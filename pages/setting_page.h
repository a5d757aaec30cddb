#pragma once
// The Setting page: module name, pairing time-out, report mask, noise reduction, UART buffer.

#include "pages/quorlin_page.h"

class CPage1 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 245;
  explicit CPage1(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("Setting"), kTemplateId, parent) {}
};
