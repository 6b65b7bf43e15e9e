#include "gui/app/alignment_document.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QStringDecoder>
#include <QTextDocument>
#include <new>

#include "gui/common/qt_text.h"
#include "input/document_text.h"
#include "util/current_failure.h"
#include "util/file_write.h"

namespace hueset::gui {

AlignmentDocument::AlignmentDocument(QObject* parent)
    : QObject(parent), m_text(new QTextDocument(this)) {
  m_text->setDocumentLayout(new QPlainTextDocumentLayout(m_text));
}

QString AlignmentDocument::title() const {
  return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

bool AlignmentDocument::isModified() const { return m_text->isModified(); }

void AlignmentDocument::setModified(bool modified) { m_text->setModified(modified); }

void AlignmentDocument::setStructures(std::vector<AttachedStructure> structures) {
  if (structures == m_structures) return;
  m_structures = std::move(structures);
  emit structuresChanged();
}

void AlignmentDocument::forgetStructures() {
  if (m_structures.empty()) return;
  m_structures.clear();
  emit structuresChanged();
}

void AlignmentDocument::clear() {
  emit replaced();
  forgetStructures();
  m_text->setPlainText(QString());
  m_text->clearUndoRedoStacks();
  m_text->setModified(false);
  m_path.clear();
  m_latin1 = false;
  m_windowsLineEnds = false;
  m_compressed = false;
  emit pathChanged();
}

bool AlignmentDocument::load(const QString& path, QString* error, std::size_t inflateLimit) {
  // Opening from the command line runs before the event loop's guard, so
  // running out of memory is answered here, the same for every way in.
  try {
    return loadText(path, error, inflateLimit);
  } catch (const std::bad_alloc&) {
    if (error) *error = QString::fromStdString(currentFailure());
  }
  return false;
}

bool AlignmentDocument::loadText(const QString& path, QString* error, std::size_t inflateLimit) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  QByteArray raw = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return false;
  }
  DocumentText document = decodeDocument(raw.toStdString(), inflateLimit);
  if (!document.ok()) {
    if (error) *error = QString::fromStdString(document.message);
    return false;
  }
  m_compressed = document.compressed;
  const QByteArray bytes = QByteArray::fromStdString(document.text);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  m_latin1 = utf8.hasError();
  if (m_latin1) text = QString::fromLatin1(bytes);
  m_windowsLineEnds = bytes.contains("\r\n");
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

  emit replaced();
  forgetStructures();
  m_text->setPlainText(text);
  m_text->clearUndoRedoStacks();
  m_text->setModified(false);
  m_path = QFileInfo(path).absoluteFilePath();
  emit pathChanged();
  return true;
}

QByteArray AlignmentDocument::encodedText() const {
  QString text = m_text->toPlainText();
  if (m_windowsLineEnds) text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  const QByteArray bytes = m_latin1 ? text.toLatin1() : text.toUtf8();
  if (!m_compressed) return bytes;
  return QByteArray::fromStdString(gzipCompress(std::string_view(bytes.constData(), bytes.size())));
}

bool AlignmentDocument::save(const QString& path, QString* error) {
  QString full = QFileInfo(path).absoluteFilePath();
  QByteArray bytes = encodedText();
  WriteResult result =
      writeFileAtomically(toPathBytes(full), std::string_view(bytes.constData(), bytes.size()));
  if (!result.ok) {
    if (error) *error = toQPath(result.error);
    return false;
  }
  m_text->setModified(false);
  if (m_path != full) {
    m_path = full;
    emit pathChanged();
  }
  return true;
}

}  // namespace hueset::gui
