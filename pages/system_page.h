#pragma once
// The System page: profile links, gains and BTM settings.

#include "pages/quorlin_page.h"

class CPage7 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 239;
  explicit CPage7(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("System"), kTemplateId, parent) {}
};
