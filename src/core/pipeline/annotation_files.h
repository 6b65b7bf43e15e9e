#pragma once

#include <memory>
#include <string>
#include <vector>

#include "util/file_write.h"

namespace hueset {

class AnnotationWriter;

// `fig.png` -> `fig-2.png`: where page `page` of a writer that makes a file
// of every page goes, beside `path`.
std::string pageFilePath(const std::string& path, int page);

// The files an annotation goes into, as the writer streams it: the one file
// at `path`, or, for a writer that makes a document of every page, a file a
// page named by pageFilePath. Each is written beside its place and put
// there only by commit, so an annotation that stops leaves what was there.
class AnnotationFiles {
 public:
  AnnotationFiles(const std::string& path, AnnotationWriter& writer);
  ~AnnotationFiles();
  AnnotationFiles(const AnnotationFiles&) = delete;
  AnnotationFiles& operator=(const AnnotationFiles&) = delete;

  // False, with error() saying why, when a file could not be made.
  bool isOpen() const { return m_error.empty(); }
  const std::string& error() const { return m_error; }
  // Hands the writer's last text over and puts every file in place.
  WriteResult commit();
  // The files made, in order.
  const std::vector<std::string>& paths() const { return m_paths; }

 private:
  std::ostream* open(const std::string& path);

  AnnotationWriter& m_writer;
  std::vector<std::unique_ptr<AtomicFileWriter>> m_files;
  std::vector<std::string> m_paths;
  std::string m_error;
};

}  // namespace hueset
