#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_files.h"
#include "util/file_write.h"

namespace hueset {
namespace {
namespace fs = std::filesystem;

std::string slurp(const fs::path& p) { return testing::readFile(p.string()); }

TEST(FileWrite, CreatesAndReplacesLeavingNoTemporaryFiles) {
  fs::path dir = testing::makeTempDir("write");
  fs::path target = dir / "out.txt";
  ASSERT_TRUE(writeFileAtomically(target.string(), "first").ok);
  ASSERT_TRUE(writeFileAtomically(target.string(), std::string("a\0b", 3)).ok);
  EXPECT_EQ(slurp(target), std::string("a\0b", 3));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
  fs::remove_all(dir);
}

TEST(FileWrite, FailureKeepsTheOldFile) {
  fs::path dir = testing::makeTempDir("keep");
  // A target inside a folder that does not exist cannot be written.
  auto result = writeFileAtomically((dir / "missing" / "x.txt").string(), "data");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  // A folder as target is refused and left alone.
  fs::create_directories(dir / "folder");
  EXPECT_FALSE(writeFileAtomically((dir / "folder").string(), "data").ok);
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_FALSE(writeFileAtomically("", "data").ok);
  fs::remove_all(dir);
}

TEST(FileWrite, SymbolicLinkIsWrittenThroughNotReplaced) {
  fs::path dir = testing::makeTempDir("link");
  fs::create_directories(dir / "real");
  fs::path real = dir / "real" / "file.txt";
  std::ofstream(real) << "old";
  fs::create_symlink(real, dir / "link.txt");
  ASSERT_TRUE(writeFileAtomically((dir / "link.txt").string(), "new").ok);
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(slurp(real), "new");
  fs::remove_all(dir);
}

TEST(FileWrite, DeviceIsWrittenInPlace) {
  EXPECT_TRUE(writeFileAtomically("/dev/null", "discarded").ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace hueset

namespace hueset {
namespace {

TEST(AtomicFileWriter, AbandonedWriteLeavesTheOldFile) {
  fs::path dir = testing::makeTempDir("abandon");
  fs::path target = dir / "keep.txt";
  std::ofstream(target) << "old";
  {
    AtomicFileWriter file(target.string());
    ASSERT_TRUE(file.isOpen());
    file.stream() << "half of the new";
  }  // no commit
  EXPECT_EQ(slurp(target), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
  {
    AtomicFileWriter file(target.string());
    file.stream() << "new";
    EXPECT_TRUE(file.commit().ok);
  }
  EXPECT_EQ(slurp(target), "new");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace hueset
