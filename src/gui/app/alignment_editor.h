#pragma once

#include <QByteArray>
#include <QPlainTextEdit>
#include <QStringList>
#include <string>

#include "input/alignment.h"
#include "input/parse_message_sink.h"

class QMimeData;

namespace hueset::gui {

class AlignmentDocument;
class UserPrompts;

// The editor of the document: a plain-text edit holding the alignment. It
// pastes plain text only, hands dropped files on to be opened, selects the
// line a reader names, and is the message sink through which the readers
// talk to the user.
class AlignmentEditor : public QPlainTextEdit, public ParseMessageSink {
  Q_OBJECT
 public:
  AlignmentEditor(UserPrompts& prompts, AlignmentDocument* document, QWidget* parent = nullptr);

  // The text as the readers take it: alignment files are byte text, so
  // characters beyond Latin-1 cannot be residues and reach them as "?".
  QByteArray alignmentText() const;
  // The number of characters typed, without the closing paragraph mark.
  int characterCount() const;

  // Selects 1-based `line` and scrolls it to the second visible line.
  void selectLine(int line);

  // ParseMessageSink
  bool ask(const std::string& text, int line) override;
  void error(const std::string& text, int line) override;
  void unequalLengths(const std::string& text, const Alignment& alignment) override;

 public slots:
  void pasteText();

 signals:
  // Local files dropped on the editor, for the main window to open.
  void filesDropped(const QStringList& paths);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  UserPrompts& m_prompts;
};

// The local files among dragged or dropped data.
QStringList localFiles(const QMimeData* data);

}  // namespace hueset::gui
