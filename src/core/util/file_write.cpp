#include "util/file_write.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace hueset {
namespace fs = std::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path name = target.filename();
  name += ".tmp-" + std::to_string(stamp) + "-" + std::to_string(counter++);
  return target.parent_path() / name;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : m_path(std::move(path)) {
  if (m_path.empty()) {
    m_error = "No file name was given.";
    return;
  }
  std::error_code ec;
  const fs::path target(m_path);
  const auto status = fs::symlink_status(target, ec);
  const bool exists = !ec && fs::exists(status);
  if (exists && fs::is_directory(status)) {
    m_error = "\"" + m_path + "\" is a folder.";
    return;
  }
  if (exists && !fs::is_regular_file(status)) {
    m_stream.open(m_path, std::ios::binary | std::ios::trunc);
    m_open = m_stream.is_open();
    if (!m_open) m_error = "Cannot open \"" + m_path + "\" for writing.";
    return;
  }
  if (exists) {
    // A file the user may not write stays protected, though the folder would
    // let us rename over it. Opening for append changes nothing.
    std::ofstream probe(m_path, std::ios::binary | std::ios::app);
    if (!probe) {
      m_error = "\"" + m_path + "\" is read-only.";
      return;
    }
  }
  m_tempPath = temporaryBeside(target).string();
  m_stream.open(m_tempPath, std::ios::binary | std::ios::trunc);
  m_open = m_stream.is_open();
  if (!m_open) {
    m_error = "Cannot create a file in the folder of \"" + m_path + "\".";
    m_tempPath.clear();
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_committed || m_tempPath.empty()) return;
  m_stream.close();
  std::error_code ignored;
  fs::remove(m_tempPath, ignored);
}

WriteResult AtomicFileWriter::commit() {
  if (!m_open) return WriteResult{false, m_error};
  m_stream.flush();
  const bool written = static_cast<bool>(m_stream);
  m_stream.close();
  if (!written || m_stream.fail()) {
    return WriteResult{false, "Could not write \"" + m_path + "\" (is the disk full?)."};
  }
  if (m_tempPath.empty()) {
    m_committed = true;
    return WriteResult{true, {}};
  }
  std::error_code ec;
  const fs::path target(m_path);
  if (fs::exists(target, ec)) {
    // Keep the permissions the user gave the old file.
    auto perms = fs::status(target, ec).permissions();
    if (!ec) fs::permissions(m_tempPath, perms, ec);
  }
  fs::rename(m_tempPath, target, ec);
  if (ec) return WriteResult{false, "Could not replace \"" + m_path + "\": " + ec.message()};
  m_committed = true;
  return WriteResult{true, {}};
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  if (!file.isOpen()) return WriteResult{false, file.error()};
  file.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.commit();
}

}  // namespace hueset
