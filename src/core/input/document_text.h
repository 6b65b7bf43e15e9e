#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace hueset {

// The text of a document as it came from a file or a stream. A document
// that is gzip-compressed (whatever its name) is recognised by its magic
// bytes and inflated on the way in, without a temporary file; several
// concatenated gzip members read as one text, as gunzip reads them.
struct DocumentText {
  enum class Problem { None, Unreadable, Damaged, TooLarge };

  std::string text;
  bool compressed = false;  // the bytes were gzip data
  Problem problem = Problem::None;
  std::string message;  // for Damaged and TooLarge: the string-table message, filled

  bool ok() const { return problem == Problem::None; }
};

// True when `bytes` begin with the gzip magic bytes 1f 8b.
bool isGzip(std::string_view bytes);

// The most a gzip document may inflate to unless the caller says otherwise
// (the Input option maxInflatedMegabytes).
inline constexpr std::size_t kDefaultInflateLimit = std::size_t{1024} << 20;

// Reads `in` to its end, inflating as it goes when the data are gzip; gzip
// data that inflate beyond `inflateLimit` bytes are TooLarge, found as soon
// as the limit is passed.
DocumentText readDocument(std::istream& in, std::size_t inflateLimit = kDefaultInflateLimit);
// The same for a file (a pipe or a device too); Unreadable when it cannot
// be opened or read.
DocumentText readDocumentFile(const std::string& path,
                              std::size_t inflateLimit = kDefaultInflateLimit);
// The same for bytes already in memory.
DocumentText decodeDocument(std::string bytes, std::size_t inflateLimit = kDefaultInflateLimit);

// The limit the Input option gives, in bytes.
inline std::size_t inflateLimitOf(int maxInflatedMegabytes) {
  return static_cast<std::size_t>(maxInflatedMegabytes < 1 ? 1 : maxInflatedMegabytes) << 20;
}

// `text` as gzip data, for writing a compressed document back as it came.
std::string gzipCompress(std::string_view text);

}  // namespace hueset
