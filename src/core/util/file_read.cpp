#include "util/file_read.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <new>

namespace hueset {

struct FileReader {
  static FileReadResult read(const std::string& path);
};

namespace {

std::string cannotRead(int error) {
  return std::string("cannot read the file (") + std::strerror(error) + ")";
}

// Reads to the end whatever the descriptor is; pipes and /proc files give no
// size in advance.
bool readStream(int fd, std::string& bytes, int& error) {
  constexpr std::size_t kChunk = 1 << 20;
  for (;;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + kChunk);
    const ssize_t got = ::read(fd, bytes.data() + used, kChunk);
    if (got < 0) {
      bytes.resize(used);
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    bytes.resize(used + static_cast<std::size_t>(got));
    if (got == 0) return true;
  }
}

}  // namespace

FileContent::~FileContent() { release(); }

FileContent::FileContent(FileContent&& other) noexcept
    : m_owned(std::move(other.m_owned)),
      m_mapping(other.m_mapping),
      m_mappedSize(other.m_mappedSize) {
  other.m_mapping = nullptr;
  other.m_mappedSize = 0;
}

FileContent& FileContent::operator=(FileContent&& other) noexcept {
  if (this != &other) {
    release();
    m_owned = std::move(other.m_owned);
    m_mapping = other.m_mapping;
    m_mappedSize = other.m_mappedSize;
    other.m_mapping = nullptr;
    other.m_mappedSize = 0;
  }
  return *this;
}

void FileContent::release() {
  if (m_mapping) ::munmap(m_mapping, m_mappedSize);
  m_mapping = nullptr;
  m_mappedSize = 0;
}

void FileContent::dropPages() {
  if (m_mapping) ::madvise(m_mapping, m_mappedSize, MADV_DONTNEED);
}

std::string_view FileContent::bytes() const {
  if (m_mapping) return {static_cast<const char*>(m_mapping), m_mappedSize};
  return m_owned;
}

FileReadResult FileReader::read(const std::string& path) {
  FileReadResult result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.error = errno == EISDIR ? "is a folder" : cannotRead(errno);
    return result;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    result.error = cannotRead(errno);
  } else if (S_ISDIR(info.st_mode)) {
    result.error = "is a folder";
  } else if (S_ISREG(info.st_mode) && info.st_size > 0) {
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapping != MAP_FAILED) {
      ::madvise(mapping, size, MADV_SEQUENTIAL);
      result.content.m_mapping = mapping;
      result.content.m_mappedSize = size;
    } else {
      int error = 0;
      if (!readStream(fd, result.content.m_owned, error)) result.error = cannotRead(error);
    }
  } else {
    // Regular files of size 0 may still have content: /proc and /sys.
    int error = 0;
    if (!readStream(fd, result.content.m_owned, error)) result.error = cannotRead(error);
  }
  ::close(fd);
  return result;
}

FileReadResult readInputFile(const std::string& path) { return FileReader::read(path); }

FileReadResult readInputStream(std::istream& in) {
  FileReadResult result;
  std::string bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
  if (in.bad()) {
    result.error = "cannot read the file";
    return result;
  }
  result.content = FileContent(std::move(bytes));
  return result;
}

}  // namespace hueset
