#pragma once
// The log pane (edit 1036) as a LogPane. Calls from a thread other than the pane's are
// handed to the GUI thread as queued invocations, in call order.

#include "console/log_printer.h"

class QPlainTextEdit;

namespace console {

class QtLogPane : public LogPane {
 public:
  explicit QtLogPane(QPlainTextEdit* edit) : edit_(edit) {}
  void ClearPane() override;
  void AppendToPane(const std::string& utf8) override;

 private:
  QPlainTextEdit* edit_;
};

}  // namespace console
