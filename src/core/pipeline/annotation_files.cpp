#include "pipeline/annotation_files.h"

#include "annotate/annotation_writer.h"

namespace hueset {

std::string pageFilePath(const std::string& path, int page) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  const bool hasExtension =
      dot != std::string::npos && dot > 0 && (slash == std::string::npos || dot > slash + 1);
  const std::size_t stemEnd = hasExtension ? dot : path.size();
  return path.substr(0, stemEnd) + "-" + std::to_string(page) + path.substr(stemEnd);
}

AnnotationFiles::AnnotationFiles(const std::string& path, AnnotationWriter& writer)
    : m_writer(writer) {
  if (!writer.writesPages()) {
    if (std::ostream* stream = open(path)) writer.streamTo(stream);
    return;
  }
  writer.streamPagesTo([this, path](int page) { return open(pageFilePath(path, page)); });
}

AnnotationFiles::~AnnotationFiles() {
  // The writer must not hand text to files that are gone.
  m_writer.streamTo(nullptr);
  if (m_writer.writesPages()) m_writer.streamPagesTo(nullptr);
}

std::ostream* AnnotationFiles::open(const std::string& path) {
  // The page before is complete: its buffer and descriptor are not kept
  // while the others are written.
  if (!m_files.empty() && !m_files.back()->finishWriting() && m_error.empty()) {
    m_error = "Could not write \"" + m_paths.back() + "\" (is the disk full?).";
  }
  auto file = std::make_unique<AtomicFileWriter>(path);
  if (!file->isOpen()) {
    if (m_error.empty()) m_error = file->error();
    return nullptr;
  }
  m_files.push_back(std::move(file));
  m_paths.push_back(path);
  return &m_files.back()->stream();
}

WriteResult AnnotationFiles::commit() {
  if (!m_error.empty()) return WriteResult{false, m_error};
  m_writer.drainToStream();
  for (const auto& file : m_files) {
    WriteResult written = file->commit();
    if (!written.ok) return written;
  }
  return WriteResult{true, {}};
}

}  // namespace hueset
