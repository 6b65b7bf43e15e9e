#include "util/file_write.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace hueset {
namespace fs = std::filesystem;

namespace {

WriteResult failure(const std::string& what) { return WriteResult{false, what}; }

WriteResult writeInPlace(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return failure("Cannot open \"" + path + "\" for writing.");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) return failure("Could not write \"" + path + "\".");
  return WriteResult{true, {}};
}

fs::path temporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path name = target.filename();
  name += ".tmp-" + std::to_string(stamp) + "-" + std::to_string(counter++);
  return target.parent_path() / name;
}

}  // namespace

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return failure("No file name was given.");
  std::error_code ec;
  fs::path target(path);
  auto status = fs::symlink_status(target, ec);
  bool exists = !ec && fs::exists(status);
  if (exists && !fs::is_regular_file(status)) {
    if (fs::is_directory(status)) return failure("\"" + path + "\" is a folder.");
    return writeInPlace(path, bytes);
  }

  if (exists) {
    // A file the user may not write stays protected, though the folder would
    // let us rename over it. Opening for append changes nothing.
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    if (!probe) return failure("\"" + path + "\" is read-only.");
  }

  fs::path temp = temporaryBeside(target);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return failure("Cannot create a file in the folder of \"" + path + "\".");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return failure("Could not write \"" + path + "\" (is the disk full?).");
    }
  }
  if (exists) {
    // Keep the permissions the user gave the old file.
    auto perms = fs::status(target, ec).permissions();
    if (!ec) fs::permissions(temp, perms, ec);
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return failure("Could not replace \"" + path + "\": " + ec.message());
  }
  return WriteResult{true, {}};
}

}  // namespace hueset
