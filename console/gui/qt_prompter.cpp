#include "console/gui/qt_prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace console {

namespace {

QString Filter(const FileDialogRequest& request) {
  return QString::fromStdString(request.filter_label) + " (" + QString::fromStdString(request.pattern) + ")";
}

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

void QtPrompter::ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) {
  const QMessageBox::Icon qt_icon = icon == MessageIcon::kError     ? QMessageBox::Critical
                                    : icon == MessageIcon::kWarning ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
  QMessageBox box(qt_icon, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok, owner_);
  box.exec();
}

std::optional<std::string> QtPrompter::AskSaveFile(const FileDialogRequest& request) {
  return Chosen(QFileDialog::getSaveFileName(owner_, QString(), QString::fromStdString(request.initial_name),
                                             Filter(request)));
}

std::optional<std::string> QtPrompter::AskOpenFile(const FileDialogRequest& request) {
  return Chosen(QFileDialog::getOpenFileName(owner_, QString(), QString::fromStdString(request.initial_name),
                                             Filter(request)));
}

}  // namespace console
