#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace hueset::test {
namespace fs = std::filesystem;

std::string testDataPath(const std::string& relative) {
  return std::string(HUESET_TEST_DATA) + "/" + relative;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string readTestFile(const std::string& relative) {
  std::ifstream in(testDataPath(relative), std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "missing test data: tests/data/" << relative;
    return {};
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void expectMatchesGolden(const std::string& actual, const std::string& relative) {
  const char* regenerate = std::getenv("HUESET_REGENERATE_GOLDEN");
  if (regenerate && std::string(regenerate) == "1") {
    fs::create_directories(fs::path(testDataPath(relative)).parent_path());
    std::ofstream out(testDataPath(relative), std::ios::binary | std::ios::trunc);
    out << actual;
    return;
  }
  const std::string expected = readTestFile(relative);
  if (expected == actual) return;
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  ADD_FAILURE() << "output differs from tests/data/" << relative << " at byte " << at
                << " (expected " << expected.size() << " bytes, got " << actual.size()
                << ")\nexpected: " << expected.substr(at, 80)
                << "\n     got: " << actual.substr(at, 80)
                << "\nRun with HUESET_REGENERATE_GOLDEN=1 to accept the new output.";
}

std::string makeTempDir(const std::string& tag) {
  fs::path dir = fs::temp_directory_path() /
                 ("hueset-test-" + tag + "-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  std::to_string(reinterpret_cast<std::uintptr_t>(&tag)));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

}  // namespace hueset::test
