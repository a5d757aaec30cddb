#pragma once
// The MISC page: raw commands, AT commands, GPIO, tones and voice prompts.

#include "pages/quorlin_page.h"

class CPage5 : public QuorlinPage {
 public:
  static constexpr int kTemplateId = 243;
  explicit CPage5(console::PageHost* host, QWidget* parent = nullptr)
      : QuorlinPage(host, QStringLiteral("MISC"), kTemplateId, parent) {}
};
