#pragma once

#include <string>

namespace hueset::test {

// The bytes of tests/data/<relative>. A missing file fails the calling test
// (it is never skipped) and gives an empty string.
std::string readTestFile(const std::string& relative);

// The bytes of any file; empty when it cannot be read.
std::string readFile(const std::string& path);

// Writes `bytes` to `path`, replacing what was there (test set-up only).
void writeFile(const std::string& path, const std::string& bytes);

// The absolute path of tests/data/<relative>.
std::string testDataPath(const std::string& relative);

// Compares `actual` with the golden file tests/data/<relative>, byte for
// byte. With HUESET_REGENERATE_GOLDEN=1 in the environment the golden file
// is rewritten from `actual` instead (and the test still passes).
void expectMatchesGolden(const std::string& actual, const std::string& relative);

// A fresh, empty temporary folder for one test; removed by the caller or at
// the next run.
std::string makeTempDir(const std::string& tag);

}  // namespace hueset::test
