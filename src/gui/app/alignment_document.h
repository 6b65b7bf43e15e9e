#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <vector>

#include "desktop/structure/attached_structure.h"

class QTextDocument;

namespace hueset::gui {

// The single document: the alignment as plain text, the file it belongs to
// and whether it changed. The editor edits the text in place.
class AlignmentDocument : public QObject {
  Q_OBJECT
 public:
  explicit AlignmentDocument(QObject* parent = nullptr);

  QTextDocument* textDocument() const { return m_text; }
  // The full path, or empty for a document never saved.
  const QString& path() const { return m_path; }
  // The file name, or "Untitled".
  QString title() const;
  bool isModified() const;
  void setModified(bool modified);

  // Empties the text and forgets the file.
  void clear();
  // Reads `path` as the document. The text is taken as UTF-8 when it is
  // valid UTF-8, otherwise byte for byte (Latin-1), and saved back the same
  // way; Windows line ends come back as they were, and so does gzip
  // compression, recognised by its magic bytes. On failure the document is
  // unchanged and `error` says why.
  // Reads the file, inflating gzip data up to `inflateLimit` bytes. False,
  // with the reason, when it cannot be read, is damaged or inflates beyond
  // the limit; an exhausted memory is a reason too, never an abort.
  bool load(const QString& path, QString* error, std::size_t inflateLimit);
  // Writes the text to `path`, which becomes the document's file.
  bool save(const QString& path, QString* error);

  // The bytes that `save` would write.
  QByteArray encodedText() const;

  // The structures attached to the document's sequences ("Add Structure"):
  // kept while the document is open, never saved with it (the text is the
  // alignment alone); another document starts without any.
  const std::vector<AttachedStructure>& structures() const { return m_structures; }
  void setStructures(std::vector<AttachedStructure> structures);

 signals:
  void pathChanged();
  // Another document takes the text's place (a file read, or New), before
  // the text changes.
  void replaced();
  void structuresChanged();

 private:
  bool loadText(const QString& path, QString* error, std::size_t inflateLimit);
  // Another document takes the text: its structures go.
  void forgetStructures();
  QTextDocument* m_text;
  std::vector<AttachedStructure> m_structures;
  QString m_path;
  bool m_latin1 = false;
  bool m_windowsLineEnds = false;
  bool m_compressed = false;
};

}  // namespace hueset::gui
