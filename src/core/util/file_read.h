#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace hueset {

// The bytes of an input file, held without a second copy: a regular file is
// mapped, anything else (a pipe, a FIFO, a file under /proc) is read as a
// stream into memory of its own.
class FileContent {
 public:
  FileContent() = default;
  explicit FileContent(std::string bytes) : m_owned(std::move(bytes)) {}
  ~FileContent();
  FileContent(FileContent&& other) noexcept;
  FileContent& operator=(FileContent&& other) noexcept;
  FileContent(const FileContent&) = delete;
  FileContent& operator=(const FileContent&) = delete;

  std::string_view bytes() const;
  // Gives back the memory a mapped file's pages take; they are read again
  // from the file if the bytes are used once more.
  void dropPages();

 private:
  friend struct FileReader;
  void release();

  std::string m_owned;
  void* m_mapping = nullptr;
  std::size_t m_mappedSize = 0;
};

struct FileReadResult {
  FileContent content;
  std::string error;  // "is a folder", "cannot read the file (...)"; empty on success

  bool ok() const { return error.empty(); }
};

// Reads the whole of `path`.
FileReadResult readInputFile(const std::string& path);

// Reads `in` to its end (standard input).
FileReadResult readInputStream(std::istream& in);

}  // namespace hueset
