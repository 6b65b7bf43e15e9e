#include "gui/app/view.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

#include "gui/app/document.h"
#include "gui/app/hueset_app.h"
#include "gui/app/user_prompts.h"
#include "gui/controls/sets_dialog.h"
#include "gui/input/problem_report_dialogs.h"
#include "gui/output/clipboard_transfer.h"
#include "gui/output/word_processor_handoff.h"
#include "input/format_guess.h"
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/style_sheet_writer.h"
#include "annotate/tee_writer.h"
#include "figure/any_writer.h"
#include "output/writer_factory.h"
#include "desktop/annotation_file.h"
#include "desktop/frame_texts.h"
#include "desktop/help_topics.h"
#include "desktop/web_safe_check.h"
#include "util/file_write.h"

namespace hueset::gui {
namespace {

QString qs(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList localFiles(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

LView::LView(HuesetApp& app, LDoc* document, QWidget* parent)
    : QPlainTextEdit(parent), m_app(app) {
  setDocument(document->textDocument());
  // Alignment lines are long: one text line is one screen line, so the line
  // a reader names is the line the user sees.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

bool LView::canAnnotate() const {
  // The document counts its closing paragraph mark as a character.
  return annotateCommandsEnabled(static_cast<std::size_t>(document()->characterCount() - 1));
}

bool LView::annotateInto(AnnotationWriter& writer) {
  // Alignment files are byte text; characters beyond Latin-1 cannot be
  // residues and reach the readers as "?".
  const QByteArray text = toPlainText().toLatin1();
  return annotate(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  m_app.options(), m_app.configuration().set, writer, *this, m_remembered);
}

bool LView::webSafeCheck() {
  if (!m_app.options().html.checkWebSafe) return true;
  std::vector<std::string> problems = webSafeProblems(m_app.configuration().set);
  if (problems.empty()) return true;
  UserPrompts::ListChoice choice;
  choice.prompt = qs(kWebSafePrompt);
  for (const std::string& line : problems) choice.items << QString::fromStdString(line);
  choice.note = qs(kWebSafeQuestion);
  choice.helpContext = kCommandHelpBase + 32803;
  return m_app.prompts().chooseFromList(this, choice).has_value();
}

void LView::selectLine(int line) {
  QTextBlock block = document()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  QScrollBar* bar = verticalScrollBar();
  const int first = bar->value();  // index of the first visible line
  bar->setValue(first + scrollToShowLine(line, first));
}

bool LView::ask(const std::string& text, int line) {
  if (line != 0) selectLine(line);
  return m_app.prompts().message(this, QStringLiteral("Warning"), displayText(text),
                                 UserPrompts::Icon::Exclamation, UserPrompts::Buttons::YesNo) ==
         UserPrompts::Answer::No;
}

void LView::error(const std::string& text, int line) {
  if (line != 0) selectLine(line);
  m_app.prompts().message(this, QStringLiteral("Error"), displayText(text),
                          UserPrompts::Icon::Stop, UserPrompts::Buttons::Ok);
}

void LView::unequalLengths(const std::string& text, const Alignment& alignment) {
  m_app.prompts().showUnequalLengths(this, text, alignment);
}

std::optional<AlignmentFormat> LView::confirmFormat(AlignmentFormat guess) {
  FormatChoice model = FormatChoice::forGuess(guess);
  UserPrompts::ListChoice choice;
  choice.prompt = qs(model.prompt);
  for (std::string_view label : kFormatLabels) choice.items << qs(label);
  choice.note = qs(model.note);
  choice.selected = model.selected;
  choice.helpContext = kFileFormatsHelpContext;
  std::optional<int> chosen = m_app.prompts().chooseFromList(this, choice);
  if (!chosen) return std::nullopt;
  model.selected = *chosen;
  return model.chosen();
}

bool LView::acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) {
  return m_app.prompts().acceptCharacterProblems(this, problems);
}

std::optional<std::vector<int>> LView::chooseSets(const std::vector<std::string>& names,
                                                  bool duplicateInSets,
                                                  const std::vector<int>& startingChoice) {
  return runSetsDialog(this, names, duplicateInSets, startingChoice);
}

void LView::annotateToWord() {
  const GroupingSet& set = m_app.configuration().set;
  RtfWriter writer(set.fontSize, set.fontName);
  if (!annotateInto(writer)) return;
  m_app.wordProcessor().send(writer, QGuiApplication::clipboard(), this, m_app.prompts());
}

void LView::annotateToRtfClipboard() {
  const GroupingSet& set = m_app.configuration().set;
  RtfWriter writer(set.fontSize, set.fontName);
  // The same annotation as pictures, for drawing programs and slides.
  const auto pictures = makeClipboardPictureWriters(set);
  std::vector<AnnotationWriter*> writers{&writer};
  for (const auto& picture : pictures) writers.push_back(picture.get());
  TeeWriter tee(writers);
  if (!annotateInto(tee)) return;
  std::unique_ptr<QMimeData> data = clipboardData(writer);
  for (const auto& picture : pictures) {
    // A figure too large for a picture goes as Rich Text alone.
    if (!picture->problem().empty()) continue;
    const std::unique_ptr<QMimeData> more = clipboardData(*picture);
    for (const QString& format : more->formats()) data->setData(format, more->data(format));
  }
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setMimeData(data.release());
}

void LView::annotateToHtmlClipboard() {
  if (!webSafeCheck()) return;
  auto writer = makeAnnotationWriter(OutputKind::Html, m_app.options(), m_app.configuration().set);
  if (!annotateInto(*writer)) return;
  transferToClipboard(*writer, QGuiApplication::clipboard());
}

void LView::copyStyleSheet() {
  if (!webSafeCheck()) return;
  StyleSheetWriter writer;
  writeStyleSheet(writer, m_app.configuration().set);
  transferToClipboard(writer, QGuiApplication::clipboard());
}

void LView::annotateToFile() {
  Options& options = m_app.options();
  const QString folder =
      QFile::decodeName(QByteArray::fromStdString(options.paths.lastAnnotateDirectory));
  std::optional<UserPrompts::FileChoice> choice = m_app.prompts().chooseAnnotationFile(this, folder);
  if (!choice) return;
  options.paths.lastAnnotateDirectory = QFile::encodeName(choice->folder).toStdString();

  const OutputKind kind = annotationFileTypeForFilter(choice->filterIndex);
  if (kind == OutputKind::Html && !webSafeCheck()) return;
  std::unique_ptr<AnnotationWriter> writer = makeAnyWriter(kind, options, m_app.configuration().set);
  if (!writer) {
    m_app.prompts().message(this, QStringLiteral("HUESET"), QString::fromUtf8(kFiguresUnavailable.data(),
                                                                             kFiguresUnavailable.size()),
                            UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok);
    return;
  }
  if (!annotateInto(*writer)) return;
  if (const std::string problem = writer->problem(); !problem.empty()) {
    m_app.prompts().message(this, QStringLiteral("HUESET"), QString::fromStdString(problem),
                            UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok);
    return;
  }

  const std::string path = QFile::encodeName(choice->path).toStdString();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  WriteResult result = writeFileAtomically(path, writer->fileText());
  QApplication::restoreOverrideCursor();
  if (!result.ok) {
    m_app.prompts().message(this, QStringLiteral("HUESET"),
                            QString::fromStdString(saveErrorMessage(classifySaveFailure(path), path)),
                            UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok);
  }
}

void LView::pasteText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  if (!data || !data->hasText()) return;
  // One edit block: a single undo takes the whole paste back.
  textCursor().insertText(data->text());
  ensureCursorVisible();
}

bool LView::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() || !localFiles(source).isEmpty();
}

void LView::insertFromMimeData(const QMimeData* source) {
  // Only the plain text of whatever was copied (a web page, a word
  // processor) goes into the alignment.
  if (source->hasText()) textCursor().insertText(source->text());
}

void LView::dragEnterEvent(QDragEnterEvent* event) {
  if (!localFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragEnterEvent(event);
}

void LView::dragMoveEvent(QDragMoveEvent* event) {
  if (!localFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QPlainTextEdit::dragMoveEvent(event);
}

void LView::dropEvent(QDropEvent* event) {
  const QStringList files = localFiles(event->mimeData());
  if (!files.isEmpty()) {
    // Dropped files are not text to insert: the frame opens them.
    event->acceptProposedAction();
    emit filesDropped(files);
    return;
  }
  QPlainTextEdit::dropEvent(event);
}

}  // namespace hueset::gui
