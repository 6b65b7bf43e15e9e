#pragma once

// Runs hueset-cli in process, with a private profile and a folder of its own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/test_files.h"

namespace hueset::test {
namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun cli(std::vector<std::string> args, const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  CliRun r;
  r.status = runCli(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

inline std::string slurp(const fs::path& p) { return test::readFile(p.string()); }

inline const std::string kFasta = ">a\nACDEFGHIKL\n>b\nACDEFGHIKL\n>c\nACDQFGHIWL\n";

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = test::makeTempDir("cli");
    m_profile = (fs::path(m_dir) / "profile.ini").string();
    setenv("HUESET_PROFILE", m_profile.c_str(), 1);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string path(const std::string& name) const { return (fs::path(m_dir) / name).string(); }
  void writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }

  std::string m_dir;
  std::string m_profile;
};

}  // namespace hueset::test
