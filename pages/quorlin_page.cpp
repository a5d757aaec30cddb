#include "pages/quorlin_page.h"

QuorlinPage::QuorlinPage(console::PageHost* host, const QString& caption, int template_id, QWidget* parent)
    : QWidget(parent), host_(host), caption_(caption), template_id_(template_id) {}

void QuorlinPage::EnableLinkControls(bool /*opened*/) {}
