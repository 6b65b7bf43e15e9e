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
  for (const auto& f : annotationFileFilters()) {
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
  setOption(QFileDialog::DontUseNativeDialog, true);
}

int AnnotationFileDialog::filterIndex() const {
  return static_cast<int>(std::max<qsizetype>(0, nameFilters().indexOf(selectedNameFilter())));
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
  choice.filterIndex = filterIndex();
  choice.folder = QFileInfo(choice.path).absolutePath();
  return choice;
}

void AnnotationFileDialog::accept() {
  if (const QString path = chosenPath(); !path.isEmpty()) {
    const std::string chosen = toPathBytes(path);
    if (const auto problem = chosenFileProblem(chosen)) {
      if (m_message) m_message(this, toQPath(*problem));
      return;
    }
    // The name as it will be written, so that replacing a file is asked
    // about the right one.
    const std::string target = annotationFileTarget(chosen, filterIndex()).path;
    if (target != chosen) selectFile(toQPath(target));
  }
  QFileDialog::accept();
}

}  // namespace hueset::gui
