#include "console/gui/qt_log_pane.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QThread>

namespace console {

namespace {

void Append(QPlainTextEdit* edit, const QString& text) {
  QTextCursor cursor(edit->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
  edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

template <typename F>
void OnPaneThread(QPlainTextEdit* edit, F&& f) {
  if (QThread::currentThread() == edit->thread())
    f();
  else
    QMetaObject::invokeMethod(edit, std::forward<F>(f), Qt::QueuedConnection);
}

}  // namespace

void QtLogPane::ClearPane() {
  QPlainTextEdit* edit = edit_;
  OnPaneThread(edit, [edit] { edit->clear(); });
}

void QtLogPane::AppendToPane(const std::string& utf8) {
  QPlainTextEdit* edit = edit_;
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  OnPaneThread(edit, [edit, text] { Append(edit, text); });
}

}  // namespace console
