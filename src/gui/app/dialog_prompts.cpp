#include "gui/app/dialog_prompts.h"

#include <QFileDialog>
#include <QFileInfo>

#include "desktop/frame/frame_messages.h"
#include "gui/app/annotation_file_dialog.h"
#include "gui/app/help_window.h"
#include "gui/common/message_box.h"
#include "gui/common/qt_text.h"
#include "gui/input/format_dialog.h"
#include "gui/input/problem_report_dialogs.h"
#include "input/format_table.h"
#include "util/string_table.h"

namespace hueset::gui {
namespace {

// Every extension of the format table, each also gzip-compressed.
QString allAlignmentsFilter() {
  QStringList patterns;
  for (std::string_view extension : allExtensions()) {
    const QString pattern = QStringLiteral("*.") + toQString(extension);
    patterns << pattern << pattern + QStringLiteral(".gz");
  }
  return QStringLiteral("All alignments (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

}  // namespace

QStringList documentFileFilters() {
  // The source files' name as it always was; its patterns take the names
  // alignments also come under.
  return {
      QStringLiteral("Source Files (*.msf, *.dsc, *.phd, *.fa, *.aln) "
                     "(*.msf *.phd *.dsc *.aln *.fa *.fasta *.fas *.faa *.clustal *.pileup)"),
      QStringLiteral(
          "Stockholm, A2M/A3M, PHYLIP, PIR Files (*.sto, *.stk, *.sth, *.a2m, *.a3m, *.phy, "
          "*.phylip, *.pir, *.nbrf) (*.sto *.stk *.sth *.a2m *.a3m *.phy *.phylip *.pir *.nbrf)"),
      allAlignmentsFilter(), QStringLiteral("Compressed Files (*.gz) (*.gz)"),
      QStringLiteral("All Files (*.*) (*)")};
}

PromptAnswer DialogPrompts::message(QWidget* parent, const QString& title, const QString& text,
                                    PromptIcon icon, PromptButtons buttons) {
  return showMessageBox(parent, title, text, icon, buttons);
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

std::optional<UserPrompts::FileChoice> DialogPrompts::chooseAnnotationFile(
    QWidget* parent, const QString& folder, const QString& proposedName) {
  AnnotationFileDialog dialog(parent, folder);
  if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
  dialog.exec();
  return dialog.choice();
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
  QFileDialog dialog(parent, toQString(loadString(FrameMessage::SaveAsTitle)));
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
