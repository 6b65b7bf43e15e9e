#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace hueset {

// The text of a document as it came from a file or a stream. A document
// that is gzip-compressed (whatever its name) is recognised by its magic
// bytes and inflated on the way in, without a temporary file; several
// concatenated gzip members read as one text, as gunzip reads them.
struct DocumentText {
  enum class Problem { None, Unreadable, Damaged };

  std::string text;
  bool compressed = false;  // the bytes were gzip data
  Problem problem = Problem::None;
  std::string message;  // for Damaged: the string-table message, filled

  bool ok() const { return problem == Problem::None; }
};

// True when `bytes` begin with the gzip magic bytes 1f 8b.
bool isGzip(std::string_view bytes);

// Reads `in` to its end, inflating as it goes when the data are gzip.
DocumentText readDocument(std::istream& in);
// The same for a file (a pipe or a device too); Unreadable when it cannot
// be opened or read.
DocumentText readDocumentFile(const std::string& path);
// The same for bytes already in memory.
DocumentText decodeDocument(std::string bytes);

// `text` as gzip data, for writing a compressed document back as it came.
std::string gzipCompress(std::string_view text);

}  // namespace hueset
