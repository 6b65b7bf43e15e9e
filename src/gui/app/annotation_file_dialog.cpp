#include "gui/app/annotation_file_dialog.h"

#include <QFileInfo>

#include "desktop/annotation/annotation_file.h"
#include "desktop/frame/frame_messages.h"
#include "gui/common/message_box.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

QStringList annotationFilters() {
  QStringList filters;
  for (const auto& f : kAnnotationFileFilters) {
    filters << QStringLiteral("%1 (%2)").arg(toQString(f.label), toQString(f.pattern));
  }
  return filters;
}

}  // namespace

AnnotationFileDialog::AnnotationFileDialog(QWidget* parent, const QString& folder)
    : QFileDialog(parent, toQString(loadString(FrameMessage::SaveAsTitle)), folder) {
  m_message = [](QWidget* owner, const QString& text) {
    showMessageBox(owner, QStringLiteral("HUESET"), text, PromptIcon::Exclamation,
                   PromptButtons::Ok);
  };
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  const QStringList filters = annotationFilters();
  setNameFilters(filters);
  selectNameFilter(filters.first());
  setDefaultSuffix(toQString(kAnnotationDefaultExtension));
  setOption(QFileDialog::DontUseNativeDialog, true);
}

QString AnnotationFileDialog::chosenPath() const {
  const QStringList files = selectedFiles();
  if (files.isEmpty()) return {};
  return QFileInfo(toQPath(cleanChosenFileName(toPathBytes(files.first())))).absoluteFilePath();
}

std::optional<UserPrompts::FileChoice> AnnotationFileDialog::choice() const {
  if (result() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
  UserPrompts::FileChoice choice;
  choice.path = chosenPath();
  choice.filterIndex =
      static_cast<int>(std::max<qsizetype>(0, nameFilters().indexOf(selectedNameFilter())));
  choice.folder = QFileInfo(choice.path).absolutePath();
  return choice;
}

void AnnotationFileDialog::accept() {
  if (const QString path = chosenPath(); !path.isEmpty()) {
    if (const auto problem = chosenFileProblem(toPathBytes(path))) {
      if (m_message) m_message(this, toQPath(*problem));
      return;
    }
  }
  QFileDialog::accept();
}

}  // namespace hueset::gui
