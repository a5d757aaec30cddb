#pragma once
// The Contact page: phone book and call history.

#include "pages/quorlin_page.h"

class CPage8 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 259;
  explicit CPage8(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("Contact"), kTemplateId, parent) {}
};
