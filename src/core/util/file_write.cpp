#include "util/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <streambuf>
#include <system_error>
#include <vector>

namespace hueset {
namespace fs = std::filesystem;

namespace {

// Temporary files of writes in progress, for the signal handler. A signal
// can only reach fixed storage with async-signal-safe calls, so this one
// table is shared by the whole process.
struct PendingFile {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a path
  std::array<char, 4096> path{};
};
std::array<PendingFile, 64> g_pendingFiles;

int registerPendingFile(const std::string& path) {
  if (path.size() >= PendingFile{}.path.size()) return -1;
  for (std::size_t i = 0; i < g_pendingFiles.size(); ++i) {
    int expected = 0;
    if (!g_pendingFiles[i].state.compare_exchange_strong(expected, 1)) continue;
    std::memcpy(g_pendingFiles[i].path.data(), path.c_str(), path.size() + 1);
    g_pendingFiles[i].state.store(2);
    return static_cast<int>(i);
  }
  return -1;
}

void unregisterPendingFile(int slot) {
  if (slot >= 0) g_pendingFiles[static_cast<std::size_t>(slot)].state.store(0);
}

extern "C" void removePendingFilesAndExit(int signal) {
  for (PendingFile& file : g_pendingFiles) {
    if (file.state.load() == 2) ::unlink(file.path.data());
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// The file a path names once its symbolic links are followed; a dangling
// link names the file it would create.
bool followLinks(const std::string& path, std::string& target, std::string& error) {
  fs::path current(path);
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    const auto status = fs::symlink_status(current, ec);
    if (ec || !fs::is_symlink(status)) {
      target = current.string();
      return true;
    }
    fs::path next = fs::read_symlink(current, ec);
    if (ec) {
      error = "Cannot follow the link \"" + path + "\": " + ec.message();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  error = "\"" + path + "\" is a loop of symbolic links.";
  return false;
}

// The permissions a new file gets: what the user's umask leaves of rw-rw-rw-.
mode_t newFileMode() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) {
      mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
      break;
    }
  }
  return 0666 & ~mask;
}

// Where a private temporary file may go, most private first.
std::vector<std::string> privateTemporaryFolders() {
  std::vector<std::string> folders;
  for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* value = std::getenv(variable);
    if (value && *value) folders.emplace_back(value);
  }
  folders.emplace_back("/tmp");
  return folders;
}

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool copyFile(int from, int to) {
  std::vector<char> chunk(1 << 20);
  if (::lseek(from, 0, SEEK_SET) < 0) return false;
  for (;;) {
    const ssize_t got = ::read(from, chunk.data(), chunk.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    if (!writeAll(to, chunk.data(), static_cast<std::size_t>(got))) return false;
  }
}

}  // namespace

// Large writes straight to the descriptor: the writers hand over whole
// lines, and a megabyte at a time keeps system calls out of the profile.
class AtomicFileWriter::Buffer : public std::streambuf {
 public:
  explicit Buffer(int fd) : m_fd(fd), m_data(1 << 20) {
    setp(m_data.data(), m_data.data() + m_data.size());
  }
  ~Buffer() override { closeFile(); }

  int fd() const { return m_fd; }
  bool failed() const { return m_failed; }
  // After the last byte: the buffer's memory goes (what follows, if anything,
  // is written unbuffered).
  void releaseMemory() {
    std::vector<char>().swap(m_data);
    setp(nullptr, nullptr);
  }
  bool closeFile() {
    if (m_fd < 0) return true;
    const bool ok = ::close(m_fd) == 0;
    m_fd = -1;
    return ok;
  }

 protected:
  int_type overflow(int_type ch) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  int sync() override { return drain() ? 0 : -1; }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    if (n < epptr() - pptr()) {
      std::memcpy(pptr(), s, static_cast<std::size_t>(n));
      pbump(static_cast<int>(n));
      return n;
    }
    if (!drain() || !put(s, static_cast<std::size_t>(n))) return 0;
    return n;
  }

 private:
  bool put(const char* data, std::size_t size) {
    if (m_failed || !writeAll(m_fd, data, size)) m_failed = true;
    return !m_failed;
  }
  bool drain() {
    const bool ok = put(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_data.data(), m_data.data() + m_data.size());
    return ok;
  }

  int m_fd;
  std::vector<char> m_data;
  bool m_failed = false;
};

AtomicFileWriter::AtomicFileWriter(std::string path) : m_path(std::move(path)) {
  if (m_path.empty()) {
    m_error = "No file name was given.";
    return;
  }
  if (!followLinks(m_path, m_target, m_error)) return;

  struct stat info {};
  m_targetExisted = ::stat(m_target.c_str(), &info) == 0;
  if (m_targetExisted && S_ISDIR(info.st_mode)) {
    m_error = "\"" + m_path + "\" is a folder.";
    return;
  }
  if (m_targetExisted && !S_ISREG(info.st_mode)) {
    const int fd = ::open(m_target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
      m_error = "Cannot open \"" + m_path + "\" for writing.";
      return;
    }
    m_mode = Mode::InPlace;
    m_buffer = std::make_unique<Buffer>(fd);
    m_open = true;
    return;
  }
  if (m_targetExisted) {
    // A file the user may not write stays protected, though the folder would
    // let us rename over it. Opening for append changes nothing.
    const int probe = ::open(m_target.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (probe < 0) {
      m_error = "\"" + m_path + "\" is read-only.";
      return;
    }
    ::close(probe);
  }
  const std::string folder = fs::path(m_target).parent_path().string();
  openTemporary(folder.empty() ? "." : folder, false);
  if (!m_open && m_targetExisted) {
    // The folder takes no new files, but the file itself may be rewritten:
    // the result goes to a private file first and is copied over when whole.
    m_mode = Mode::CopyOver;
    for (const std::string& privateFolder : privateTemporaryFolders()) {
      if (!m_open) openTemporary(privateFolder, true);
    }
  }
  if (!m_open) m_error = "Cannot create a file in the folder of \"" + m_path + "\".";
}

void AtomicFileWriter::openTemporary(const std::string& folder, bool isPrivate) {
  // Short, so that a name near the file system's limit still fits beside it.
  std::string name = folder + (isPrivate ? "/hueset-XXXXXX" : "/.hueset-XXXXXX");
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return;
  m_tempPath = name;
  m_pendingSlot = registerPendingFile(m_tempPath);
  m_buffer = std::make_unique<Buffer>(fd);
  m_open = true;
}

AtomicFileWriter::~AtomicFileWriter() {
  if (!m_committed) abandon();
}

void AtomicFileWriter::abandon() {
  m_stream.reset();
  m_buffer.reset();
  if (!m_tempPath.empty()) ::unlink(m_tempPath.c_str());
  unregisterPendingFile(m_pendingSlot);
  m_pendingSlot = -1;
  m_tempPath.clear();
}

std::ostream& AtomicFileWriter::stream() {
  if (!m_stream) m_stream = std::make_unique<std::ostream>(m_buffer.get());
  return *m_stream;
}

bool AtomicFileWriter::finishWriting() {
  if (!m_open) return false;
  if (m_finish != Finish::Writing) return m_finish == Finish::Written;
  if (m_stream) m_stream->flush();
  bool written = m_buffer->pubsync() == 0 && !m_buffer->failed() && (!m_stream || *m_stream);
  m_buffer->releaseMemory();
  if (written && m_mode == Mode::Rename) {
    // Keep the permissions the user gave the old file; a new one gets what
    // the umask allows, as any new file would.
    struct stat info {};
    const mode_t mode = m_targetExisted && ::stat(m_target.c_str(), &info) == 0
                            ? (info.st_mode & 07777)
                            : newFileMode();
    ::fchmod(m_buffer->fd(), mode);
    written = m_buffer->closeFile();
  }
  m_finish = written ? Finish::Written : Finish::Failed;
  return written;
}

WriteResult AtomicFileWriter::commit() {
  if (!m_open) return WriteResult{false, m_error};
  if (!finishWriting())
    return WriteResult{false, "Could not write \"" + m_path + "\" (is the disk full?)."};

  if (m_mode == Mode::InPlace) {
    m_buffer->closeFile();
    m_committed = true;
    return WriteResult{true, {}};
  }

  if (m_mode == Mode::CopyOver) {
    const int target = ::open(m_target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    const bool copied = target >= 0 && copyFile(m_buffer->fd(), target) && ::close(target) == 0;
    if (!copied) {
      // Nothing is lost: the whole result stays where the user can take it.
      m_stream.reset();
      m_buffer.reset();
      unregisterPendingFile(m_pendingSlot);
      m_pendingSlot = -1;
      m_committed = true;
      return WriteResult{false, "Could not copy the result over \"" + m_path +
                                    "\"; the complete result is kept in \"" + m_tempPath + "\"."};
    }
    abandon();
    m_committed = true;
    return WriteResult{true, {}};
  }

  if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
    return WriteResult{false, "Could not replace \"" + m_path + "\": " + std::strerror(errno)};
  }
  unregisterPendingFile(m_pendingSlot);
  m_pendingSlot = -1;
  m_tempPath.clear();
  m_committed = true;
  return WriteResult{true, {}};
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  if (!file.isOpen()) return WriteResult{false, file.error()};
  file.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.commit();
}

void installTemporaryFileCleanup() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction current {};
      ::sigaction(signal, nullptr, &current);
      // A signal the caller ignores (nohup) stays ignored.
      if (current.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = removePendingFilesAndExit;
      sigemptyset(&action.sa_mask);
      ::sigaction(signal, &action, nullptr);
    }
  });
}

}  // namespace hueset
