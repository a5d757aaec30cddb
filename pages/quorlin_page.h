#pragma once
// Base of the ten control pages of the main window's property sheet. A page keeps the
// window it was built with (through PageHost) for its whole life and hands out each of its
// controls by its control ID, so the window, the event presentation and tests reach them.

#include "console/page_host.h"

#include <QHash>
#include <QString>
#include <QWidget>

class QuorlinPage : public QWidget {
 public:
  QuorlinPage(console::PageHost* host, const QString& caption, int template_id, QWidget* parent = nullptr);

  // The tab caption of the page's template.
  const QString& Caption() const { return caption_; }
  int TemplateId() const { return template_id_; }

  // The control with this ID, or null.
  QWidget* Control(int id) const { return controls_.value(id, nullptr); }

  // Pages whose controls follow the link state (Setting, MISC, Information, System) enable
  // them exactly when `opened`; the others keep theirs enabled in both states.
  virtual void EnableLinkControls(bool opened);

 protected:
  // Records a control under its ID and gives the widget that ID as its object name.
  template <typename W>
  W* AddControl(int id, W* widget) {
    widget->setObjectName(QString::number(id));
    controls_.insert(id, widget);
    return widget;
  }

  console::PageHost* Host() const { return host_; }

 private:
  console::PageHost* host_;
  QString caption_;
  int template_id_;
  QHash<int, QWidget*> controls_;
};
