#include "gui/app/alignment_editor.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

#include "desktop/frame/frame_texts.h"
#include "gui/app/alignment_document.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"

namespace hueset::gui {

QStringList localFiles(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

AlignmentEditor::AlignmentEditor(UserPrompts& prompts, AlignmentDocument* document, QWidget* parent)
    : QPlainTextEdit(parent), m_prompts(prompts) {
  setDocument(document->textDocument());
  // Alignment lines are long: one text line is one screen line, so the line
  // a reader names is the line the user sees.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

QByteArray AlignmentEditor::alignmentText() const {
  // One passing UTF-16 copy of the document: Qt gives its characters no
  // other way in one go, and block by block takes several times as long.
  return toPlainText().toLatin1();
}

int AlignmentEditor::characterCount() const {
  // The document counts its closing paragraph mark as a character.
  return document()->characterCount() - 1;
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
  return m_prompts.message(this, QStringLiteral("Warning"), displayText(text),
                           PromptIcon::Exclamation, PromptButtons::YesNo) == PromptAnswer::No;
}

void AlignmentEditor::error(const std::string& text, int line) {
  if (line != 0) selectLine(line);
  m_prompts.message(this, QStringLiteral("Error"), displayText(text), PromptIcon::Stop,
                    PromptButtons::Ok);
}

void AlignmentEditor::unequalLengths(const std::string& text, const Alignment& alignment) {
  m_prompts.showUnequalLengths(this, text, alignment);
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

void AlignmentEditor::resizeEvent(QResizeEvent* event) {
  // Lines never wrap, so a new width changes no line; the plain-text layout
  // would still lay out every block again and give each a layout object of
  // its own (some 300 bytes a line, kept for good). Passed on as a change of
  // height only, the event just updates the scroll bars.
  if (lineWrapMode() == QPlainTextEdit::NoWrap) {
    QResizeEvent sameWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&sameWidth);
    return;
  }
  QPlainTextEdit::resizeEvent(event);
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
