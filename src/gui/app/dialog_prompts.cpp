#include "gui/app/dialog_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "gui/app/help_window.h"
#include "gui/input/format_dialog.h"
#include "gui/input/problem_report_dialogs.h"
#include "desktop/annotation_file.h"
#include "util/string_table.h"

namespace hueset::gui {
namespace {

QString qs(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QStringList documentFileFilters() {
  return {QStringLiteral("Source Files (*.msf, *.dsc, *.phd, *.fa, *.aln) (*.msf *.phd *.dsc *.aln *.fa)"),
          QStringLiteral("Stockholm, A2M/A3M, PHYLIP, PIR Files (*.sto, *.stk, *.sth, *.a2m, *.a3m, *.phy, "
                         "*.phylip, *.pir, *.nbrf) (*.sto *.stk *.sth *.a2m *.a3m *.phy *.phylip *.pir *.nbrf)"),
          QStringLiteral("Compressed Files (*.gz) (*.gz)"),
          QStringLiteral("All Files (*.*) (*)")};
}

UserPrompts::Answer DialogPrompts::message(QWidget* parent, const QString& title,
                                           const QString& text, Icon icon, Buttons buttons) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Stop: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
  }
  // Closing a Yes/No box counts as No; any other closes count as Cancel.
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<int> DialogPrompts::chooseFromList(QWidget* parent, const ListChoice& choice) {
  FormatDialog dialog(choice, m_help, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedRow();
}

bool DialogPrompts::acceptCharacterProblems(QWidget* parent,
                                            const std::vector<CharacterProblem>& problems) {
  CharacterProblemsDialog dialog(problems, m_help, parent);
  return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::showUnequalLengths(QWidget* parent, const std::string& heading,
                                       const Alignment& alignment) {
  UnequalLengthsDialog dialog(heading, alignment, m_help, parent);
  dialog.exec();
}

std::optional<UserPrompts::FileChoice> DialogPrompts::chooseAnnotationFile(QWidget* parent,
                                                                            const QString& folder) {
  QFileDialog dialog(parent, qs(loadString(61441)), folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const auto& f : kAnnotationFileFilters) {
    filters << QStringLiteral("%1 (%2)").arg(qs(f.label), qs(f.pattern));
  }
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.first());
  dialog.setDefaultSuffix(qs(kAnnotationDefaultExtension));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;

  FileChoice choice;
  QString name = QString::fromStdString(cleanChosenFileName(dialog.selectedFiles().first().toStdString()));
  choice.path = QFileInfo(name).absoluteFilePath();
  choice.filterIndex = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
  choice.folder = QFileInfo(choice.path).absolutePath();
  return choice;
}

QString DialogPrompts::chooseDocumentToOpen(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Open"), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(documentFileFilters());
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString DialogPrompts::chooseDocumentToSave(QWidget* parent, const QString& proposedPath) {
  QFileDialog dialog(parent, qs(loadString(61441)));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(documentFileFilters());
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setDefaultSuffix(QStringLiteral("msf"));
  dialog.selectFile(proposedPath);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void DialogPrompts::showInstallHelp(QWidget* parent) {
  InstallHelpDialog dialog(parent);
  dialog.exec();
}

}  // namespace hueset::gui
