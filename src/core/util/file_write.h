#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace hueset {

struct WriteResult {
  bool ok = false;
  std::string error;  // what went wrong, for a message; empty on success
};

// Every file the program writes goes through here, so that no run ever
// truncates a file before its new content is complete:
// - a regular file (or a new one) is written to a temporary file in its own
//   folder and renamed over it when complete;
// - a symbolic link is followed and its target replaced the same way (the
//   link stays a link);
// - when the folder takes no new files but the file itself is writable, the
//   result is written to a private temporary file first and copied over the
//   file when complete;
// - only devices and pipes (/dev/null, /dev/stdout, a FIFO) are written in
//   place;
// - a file the user may not write is refused.
// A temporary file is removed when the write is abandoned, and on SIGINT,
// SIGTERM or SIGHUP once installTemporaryFileCleanup() has been called.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);
  ~AtomicFileWriter();  // abandons the write unless commit() succeeded
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False when the file could not be opened; error() says why.
  bool isOpen() const { return m_open; }
  const std::string& error() const { return m_error; }
  std::ostream& stream();
  // The file is complete: its bytes go out, and its buffer (and, where it is
  // renamed into place, its descriptor) are given back, so a document of
  // many page files holds neither for the pages done. Nothing may be written
  // after. False when the bytes could not be written.
  bool finishWriting();
  // Finishes the file: flushes and puts it in place of the target.
  WriteResult commit();

 private:
  enum class Mode { InPlace, Rename, CopyOver };
  class Buffer;

  void openTemporary(const std::string& folder, bool isPrivate);
  void abandon();

  std::string m_path;    // as given, for messages
  std::string m_target;  // the file that is replaced: links followed
  std::string m_tempPath;
  int m_pendingSlot = -1;  // its entry for the signal clean-up
  Mode m_mode = Mode::Rename;
  bool m_targetExisted = false;
  std::unique_ptr<Buffer> m_buffer;
  std::unique_ptr<std::ostream> m_stream;
  bool m_open = false;
  enum class Finish { Writing, Written, Failed } m_finish = Finish::Writing;
  bool m_committed = false;
  std::string m_error;
};

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files of writes in
// progress before the program ends as the signal asks. Safe to call more
// than once.
void installTemporaryFileCleanup();

}  // namespace hueset
