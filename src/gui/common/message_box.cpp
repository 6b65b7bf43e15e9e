#include "gui/common/message_box.h"

#include <QMessageBox>

namespace hueset::gui {
namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Stop: return QMessageBox::Critical;
    case PromptIcon::Question: break;
  }
  return QMessageBox::Question;
}

QMessageBox::StandardButtons boxButtons(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: break;
  }
  return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

}  // namespace

PromptAnswer showMessageBox(QWidget* parent, const QString& title, const QString& text,
                            PromptIcon icon, PromptButtons buttons) {
  QMessageBox box(boxIcon(icon), title, text, boxButtons(buttons), parent);
  switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: break;
  }
  return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

}  // namespace hueset::gui
