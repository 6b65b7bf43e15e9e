#include "gui/app/alignment_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

#include "gui/app/alignment_document.h"
#include "gui/app/hueset_app.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/controls/sets_dialog.h"
#include "gui/input/problem_report_dialogs.h"
#include "gui/output/clipboard_transfer.h"
#include "gui/output/word_processor_handoff.h"
#include "input/format_guess.h"
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "output/writer_factory.h"
#include "desktop/annotation_file.h"
#include "desktop/frame_texts.h"
#include "desktop/help_topics.h"
#include "desktop/web_safe_check.h"
#include "util/file_write.h"

namespace hueset::gui {
namespace {

QStringList localFiles(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

AlignmentEditor::AlignmentEditor(HuesetApp& app, AlignmentDocument* document, QWidget* parent)
    : QPlainTextEdit(parent), m_app(app) {
  setDocument(document->textDocument());
  // Alignment lines are long: one text line is one screen line, so the line
  // a reader names is the line the user sees.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

bool AlignmentEditor::canAnnotate() const {
  // The document counts its closing paragraph mark as a character.
  return annotateCommandsEnabled(static_cast<std::size_t>(document()->characterCount() - 1));
}

bool AlignmentEditor::annotateInto(AnnotationWriter& writer) {
  // Alignment files are byte text; characters beyond Latin-1 cannot be
  // residues and reach the readers as "?".
  const QByteArray text = toPlainText().toLatin1();
  return annotate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  m_app.options(), m_app.configuration().set, writer, *this, m_remembered);
}

bool AlignmentEditor::webSafeCheck() {
  if (!m_app.options().html.checkWebSafe) return true;
  std::vector<std::string> problems = webSafeProblems(m_app.configuration().set);
  if (problems.empty()) return true;
  UserPrompts::ListChoice choice;
  choice.prompt = toQString(kWebSafePrompt);
  for (const std::string& line : problems) choice.items << QString::fromStdString(line);
  choice.note = toQString(kWebSafeQuestion);
  choice.helpContext = kCommandHelpBase + 32803;
  return m_app.prompts().chooseFromList(this, choice).has_value();
}

void AlignmentEditor::selectLine(int line) {
  QTextBlock block = document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  QScrollBar* bar = verticalScrollBar();
  const int first = bar->value();  // index of the first visible line
  bar->setValue(first + scrollToShowLine(line, first));
}

bool AlignmentEditor::ask(const std::string& text, int line) {
  if (line != 0) selectLine(line);
  return m_app.prompts().message(this, QStringLiteral("Warning"), displayText(text),
                                 PromptIcon::Exclamation, PromptButtons::YesNo) ==
         PromptAnswer::No;
}

void AlignmentEditor::error(const std::string& text, int line) {
  if (line != 0) selectLine(line);
  m_app.prompts().message(this, QStringLiteral("Error"), displayText(text),
                          PromptIcon::Stop, PromptButtons::Ok);
}

void AlignmentEditor::unequalLengths(const std::string& text, const Alignment& alignment) {
  m_app.prompts().showUnequalLengths(this, text, alignment);
}

std::optional<AlignmentFormat> AlignmentEditor::confirmFormat(AlignmentFormat guess) {
  FormatChoice model = FormatChoice::forGuess(guess);
  UserPrompts::ListChoice choice;
  choice.prompt = toQString(model.prompt);
  for (std::string_view label : kFormatLabels) choice.items << toQString(label);
  choice.note = toQString(model.note);
  choice.selected = model.selected;
  choice.helpContext = kFileFormatsHelpContext;
  std::optional<int> chosen = m_app.prompts().chooseFromList(this, choice);
  if (!chosen) return std::nullopt;
  model.selected = *chosen;
  return model.chosen();
}

bool AlignmentEditor::acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) {
  return m_app.prompts().acceptCharacterProblems(this, problems);
}

std::optional<std::vector<int>> AlignmentEditor::chooseSets(const std::vector<std::string>& names,
                                                  bool duplicateInSets,
                                                  const std::vector<int>& startingChoice) {
  return runSetsDialog(this, names, duplicateInSets, startingChoice);
}

void AlignmentEditor::annotateToWord() {
  const GroupingSet& set = m_app.configuration().set;
  RtfWriter writer(set.fontSize, set.fontName);
  if (!annotateInto(writer)) return;
  m_app.wordProcessor().send(writer, QGuiApplication::clipboard(), this, m_app.prompts());
}

void AlignmentEditor::annotateToRtfClipboard() {
  const GroupingSet& set = m_app.configuration().set;
  RtfWriter writer(set.fontSize, set.fontName);
  if (!annotateInto(writer)) return;
  transferToClipboard(writer, QGuiApplication::clipboard());
}

void AlignmentEditor::annotateToHtmlClipboard() {
  if (!webSafeCheck()) return;
  auto writer = makeAnnotationWriter(OutputKind::Html, m_app.options(), m_app.configuration().set);
  if (!annotateInto(*writer)) return;
  transferToClipboard(*writer, QGuiApplication::clipboard());
}

void AlignmentEditor::copyStyleSheet() {
  if (!webSafeCheck()) return;
  StyleSheetWriter writer;
  writeStyleSheet(writer, m_app.configuration().set);
  transferToClipboard(writer, QGuiApplication::clipboard());
}

void AlignmentEditor::annotateToFile() {
  Options& options = m_app.options();
  const QString folder = toQPath(options.paths.lastAnnotateDirectory);
  std::optional<UserPrompts::FileChoice> choice = m_app.prompts().chooseAnnotationFile(this, folder);
  if (!choice) return;
  options.paths.lastAnnotateDirectory = toPathBytes(choice->folder);

  const OutputKind kind = annotationFileTypeForFilter(choice->filterIndex);
  if (kind == OutputKind::Html && !webSafeCheck()) return;
  std::unique_ptr<AnnotationWriter> writer =
      makeAnnotationWriter(kind, options, m_app.configuration().set);
  if (!annotateInto(*writer)) return;

  const std::string path = toPathBytes(choice->path);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  WriteResult result = writeFileAtomically(path, writer->fileText());
  QApplication::restoreOverrideCursor();
  if (!result.ok) {
    m_app.prompts().message(this, QStringLiteral("HUESET"),
                            toQPath(saveErrorMessage(classifySaveFailure(path), path)),
                            PromptIcon::Exclamation, PromptButtons::Ok);
  }
}

void AlignmentEditor::pasteText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  if (!data || !data->hasText()) return;
  // One edit block: a single undo takes the whole paste back.
  textCursor().insertText(data->text());
  ensureCursorVisible();
}

bool AlignmentEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() || !localFiles(source).isEmpty();
}

void AlignmentEditor::insertFromMimeData(const QMimeData* source) {
  // Only the plain text of whatever was copied (a web page, a word
  // processor) goes into the alignment.
  if (source->hasText()) textCursor().insertText(source->text());
}

void AlignmentEditor::dragEnterEvent(QDragEnterEvent* event) {
  if (!localFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragEnterEvent(event);
}

void AlignmentEditor::dragMoveEvent(QDragMoveEvent* event) {
  if (!localFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragMoveEvent(event);
}

void AlignmentEditor::dropEvent(QDropEvent* event) {
  const QStringList files = localFiles(event->mimeData());
  if (!files.isEmpty()) {
    // Dropped files are not text to insert: the main window opens them.
    event->acceptProposedAction();
    emit filesDropped(files);
    return;
  }
  QPlainTextEdit::dropEvent(event);
}

}  // namespace hueset::gui
