#include "util/file_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "support/test_files.h"

namespace hueset {
namespace {
namespace fs = std::filesystem;

std::string slurp(const fs::path& p) { return test::readFile(p.string()); }

TEST(FileWrite, CreatesAndReplacesLeavingNoTemporaryFiles) {
  fs::path dir = test::makeTempDir("write");
  fs::path target = dir / "out.txt";
  ASSERT_TRUE(writeFileAtomically(target.string(), "first").ok);
  ASSERT_TRUE(writeFileAtomically(target.string(), std::string("a\0b", 3)).ok);
  EXPECT_EQ(slurp(target), std::string("a\0b", 3));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
  fs::remove_all(dir);
}

TEST(FileWrite, FailureKeepsTheOldFile) {
  fs::path dir = test::makeTempDir("keep");
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

std::vector<std::string> entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The link's target is replaced like a regular file: nothing is truncated
// before the new content is whole, and the link stays a link.
TEST(FileWrite, SymbolicLinkTargetIsReplacedWhenComplete) {
  fs::path dir = test::makeTempDir("link");
  fs::create_directories(dir / "real");
  fs::path real = dir / "real" / "fig.html";
  std::ofstream(real) << "old";
  fs::create_symlink("real/fig.html", dir / "link.html");
  {
    AtomicFileWriter file((dir / "link.html").string());
    ASSERT_TRUE(file.isOpen());
    file.stream() << "half";
    file.stream().flush();
    EXPECT_EQ(slurp(real), "old");
  }  // abandoned, as a failed annotation is
  EXPECT_EQ(slurp(real), "old");
  ASSERT_TRUE(writeFileAtomically((dir / "link.html").string(), "new").ok);
  EXPECT_TRUE(fs::is_symlink(dir / "link.html"));
  EXPECT_EQ(slurp(real), "new");
  EXPECT_EQ(entries(dir / "real"), std::vector<std::string>{"fig.html"});
  EXPECT_EQ(entries(dir), (std::vector<std::string>{"link.html", "real"}));
  fs::remove_all(dir);
}

TEST(FileWrite, NameNearTheLimitCanBeWritten) {
  fs::path dir = test::makeTempDir("long");
  const fs::path target = dir / (std::string(250, 'n') + ".rtf");
  ASSERT_TRUE(writeFileAtomically(target.string(), "x").ok);
  EXPECT_EQ(slurp(target), "x");
  fs::remove_all(dir);
}

// Runs `body` in a child process without the rights of root, so that folder
// permissions apply; returns the child's exit status.
int runUnprivileged(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST(FileWrite, WritableFileInReadOnlyFolderIsCopiedOver) {
  fs::path dir = test::makeTempDir("ro-folder");
  fs::path target = dir / "out.rtf";
  std::ofstream(target) << "old";
  fs::permissions(target, fs::perms::all);
  fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  if (geteuid() != 0) fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
  const int status = runUnprivileged([&] {
    if (writeFileAtomically(dir.string() + "/new.rtf", "x").ok) return 1;  // no new files here
    return writeFileAtomically(target.string(), "new").ok ? 0 : 2;
  });
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(slurp(target), "new");
  EXPECT_EQ(entries(dir), std::vector<std::string>{"out.rtf"});
  fs::remove_all(dir);
}

TEST(FileWrite, TerminationRemovesTheTemporaryFile) {
  fs::path dir = test::makeTempDir("signal");
  const pid_t child = fork();
  if (child == 0) {
    installTemporaryFileCleanup();
    AtomicFileWriter file((dir / "big.html").string());
    file.stream() << std::string(3 << 20, 'x');
    std::raise(SIGTERM);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_TRUE(entries(dir).empty());
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
  fs::path dir = test::makeTempDir("abandon");
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

// A figure on paper is a file a page, all put in place at the end: the
// finished ones must hold no descriptor (nor buffer), or a long document runs
// out of them.
TEST(AtomicFileWriter, FinishedFilesWaitForTheirCommitWithoutDescriptors) {
  fs::path dir = test::makeTempDir("pages");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 64);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<std::unique_ptr<AtomicFileWriter>> pages;
  bool allOpened = true;
  for (int page = 1; page <= 200 && allOpened; ++page) {
    auto file =
        std::make_unique<AtomicFileWriter>((dir / ("fig-" + std::to_string(page))).string());
    allOpened = file->isOpen();
    if (!allOpened) break;
    file->stream() << "page " << page;
    EXPECT_TRUE(file->finishWriting());
    pages.push_back(std::move(file));
  }
  ::setrlimit(RLIMIT_NOFILE, &saved);
  ASSERT_TRUE(allOpened) << "page " << pages.size() + 1 << " could not be opened";
  for (const auto& file : pages) EXPECT_TRUE(file->commit().ok);
  EXPECT_EQ(slurp(dir / "fig-200"), "page 200");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 200);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace hueset
