#pragma once
// The LE page: LE control and notifications.

#include "pages/quorlin_page.h"

class CPage9 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 261;
  explicit CPage9(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("LE "), kTemplateId, parent) {}
};
