#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace hueset {

struct WriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty on success
};

// Every file the program writes goes through here. A regular file (or a new
// one) is written to a temporary file beside it and renamed over it only when
// complete, so a failed write leaves the old file whole. A device, a pipe or
// a symbolic link is written in place (through the link) and never replaced.
// A file the user may not write is refused.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();  // abandons the write unless commit() succeeded
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False when the file could not be opened; error() says why.
  bool isOpen() const { return m_open; }
  const std::string& error() const { return m_error; }
  std::ostream& stream() { return m_stream; }
  // Finishes the file: flushes and puts it in place of the target.
  WriteResult commit();

 private:
  std::string m_path;
  std::string m_tempPath;  // empty when writing in place
  std::ofstream m_stream;
  bool m_open = false;
  bool m_committed = false;
  std::string m_error;
};

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace hueset
