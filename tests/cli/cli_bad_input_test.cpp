// Bad input and awkward files: nothing lost, nothing aborts, every refusal
// explained.
#include <sys/stat.h>

#include <thread>

#include "cli_fixture.h"

namespace hueset::test {
namespace {

TEST_F(Cli, FailedAnnotationThroughALinkKeepsItsTarget) {
  writeFile("fig.html", "precious");
  fs::create_symlink("fig.html", path("link.html"));
  writeFile("bad.fasta", "no alignment here\n");
  CliRun failed = cli({"annotate", "--no-profile", path("bad.fasta"), "-o", path("link.html")});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(slurp(path("fig.html")), "precious");

  CliRun done = cli({"annotate", "--no-profile", "-", "-o", path("link.html")}, kFasta);
  EXPECT_EQ(done.status, 0) << done.err;
  EXPECT_TRUE(fs::is_symlink(path("link.html")));
  EXPECT_EQ(slurp(path("fig.html")).rfind("<HTML>", 0), 0u);
}

TEST_F(Cli, FolderAsInputIsNamed) {
  CliRun r = cli({"annotate", "--no-profile", m_dir});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, m_dir + ": error: is a folder\n");
}

TEST_F(Cli, NamedPipeIsReadAsAStream) {
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  std::thread feeder([this] { std::ofstream(path("pipe")) << kFasta; });
  CliRun r = cli({"annotate", "--no-profile", path("pipe")});
  feeder.join();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Consensus/80%"), std::string::npos);
}

TEST_F(Cli, TextThatIsNoAlignmentTextSaysWhatItIs) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* message;  // empty: annotated
  };
  const Case cases[] = {
      {"a UTF-8 byte-order mark is skipped", "\xEF\xBB\xBF" + kFasta, ""},
      {"carriage returns alone", ">a\rACDE\r>b\rACDE\r", "carriage returns alone"},
      {"one line ended by a carriage return alone among newlines, named by its number",
       ">a\r\nACDE\n>b\rACDE\n", "Line 3 of this file ends in a carriage return alone"},
      {"Windows line ends, doubled ones and a last carriage return are no mix",
       ">a\r\nACDE\r\r\n>b\nACDE\r", ""},
      {"UTF-16 with its mark", std::string("\xFF\xFE>\0a\0\n\0", 8), "UTF-16"},
      {"binary data",
       std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                   16),
       "binary data"},
  };
  for (const Case& c : cases) {
    CliRun r = cli({"annotate", "--no-profile", "-"}, c.bytes);
    if (*c.message == '\0') {
      EXPECT_EQ(r.status, 0) << c.what << ": " << r.err;
    } else {
      EXPECT_EQ(r.status, 1) << c.what;
      EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
    }
  }
}

// The format of a named file is guessed once, from the text the mark was
// taken off, so it reads as the same bytes on standard input do.
TEST_F(Cli, ANamedFileWithAMarkIsGuessedAsItsText) {
  writeFile("marked.fa", "\xEF\xBB\xBF" + kFasta);
  CliRun r = cli({"annotate", "--no-profile", path("marked.fa")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Consensus/80%"), std::string::npos);
}

TEST_F(Cli, OutputNameNearTheLimit) {
  const std::string name = path(std::string(240, 'o') + ".rtf");
  CliRun r = cli({"annotate", "--no-profile", "-", "-o", name}, kFasta);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::exists(name));
}

// A stream that refuses every byte, as a full disk or a closed pipe does.
class FullStreamBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(Cli, FailedStandardOutputIsReported) {
  FullStreamBuffer full;
  std::ostream out(&full);
  std::istringstream in(kFasta);
  std::ostringstream err;
  EXPECT_EQ(runCli({"annotate", "--no-profile", "-"}, in, out, err), 1);
  EXPECT_EQ(err.str(), "hueset-cli: error: cannot write to standard output\n");
}

// A stream that fails in a way nothing below the top expects.
class ThrowingStreamBuffer : public std::streambuf {
 protected:
  int_type underflow() override { throw std::runtime_error("the device went away"); }
};

TEST_F(Cli, UnexpectedFailureEndsWithAMessage) {
  ThrowingStreamBuffer broken;
  std::istream in(&broken);
  in.exceptions(std::ios::badbit);
  std::ostringstream out, err;
  EXPECT_EQ(runCli({"annotate", "--no-profile", "-"}, in, out, err), 1);
  EXPECT_EQ(err.str(), "hueset-cli: error: the device went away\n");
}

TEST_F(Cli, OutOfRangeOptionIsClampedWithAWarning) {
  CliRun r = cli({"annotate", "--no-profile", "--option", "consensusThreshold=-5", "-"}, kFasta);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.err,
      "hueset-cli: warning: option 'consensusThreshold' takes 500 to 1000; -5 is taken as 1000\n");
  EXPECT_NE(r.out.find("Consensus/100%"), std::string::npos);
}

TEST_F(Cli, SetIndexOutsideTheAlignmentIsNamed) {
  CliRun r = cli({"annotate", "--no-profile", "--sets", "0,99999", "-"}, kFasta);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "<stdin>: error: --sets names sequence 99999, but the alignment has 3 (numbered from 0 "
            "to 2)\n");
}

TEST_F(Cli, DamagedProfileIsWarnedAboutOnce) {
  test::writeFile(m_profile, "junk\n[Annotation Settings]\nConsensus Threshold=700\n");
  CliRun r = cli({"annotate", "-"}, kFasta);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "hueset-cli: warning: The settings file \"" + m_profile +
                       "\" has 1 damaged line, which is ignored.\n");
  EXPECT_NE(r.out.find("Consensus/70%"), std::string::npos);
}

// Names and residues are bytes; JSON is UTF-8. Sequences that only look like UTF-8 (an
// overlong form, a surrogate, a code past U+10FFFF) are escaped like any
// stray byte, so every consumer can parse the output.
TEST_F(Cli, ReadWritesValidUtf8WhateverTheNames) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* escaped;
  };
  const Case cases[] = {
      {"an overlong slash", "\xE0\x80\xAF", "\\u00e0\\u0080\\u00af"},
      {"a lone surrogate", "\xED\xA0\x80", "\\u00ed\\u00a0\\u0080"},
      {"past the last code point", "\xF4\x90\x80\x80", "\\u00f4\\u0090\\u0080\\u0080"},
  };
  for (const Case& c : cases) {
    const std::string row = "AC" + c.bytes + "\n";
    CliRun r = cli({"read", "--no-profile", "-"}, ">a\n" + row + ">b\n" + row);
    EXPECT_EQ(r.out.find(c.bytes), std::string::npos) << c.what;
    EXPECT_NE(r.out.find(std::string("\"AC") + c.escaped + "\""), std::string::npos)
        << c.what << ": " << r.out;
  }
}

// A name or residues holding a terminal's escape sequence are quoted in
// messages with their control characters escaped, never sent raw.
TEST_F(Cli, MessagesShowControlCharactersEscaped) {
  struct Case {
    const char* what;
    std::string input;
    const char* shown;
  };
  const Case cases[] = {
      {"residues in the report of unequal lengths",
       ">a\nAC\x1b]0;x\x07"
       "DE\n>c\nACDEFGH\n",
       "AC\\x1b]0;x\\x07DE"},
      {"a name in the report of unequal lengths",
       "# STOCKHOLM 1.0\na\x1b[2J ACDE\nb ACDE\nb ACDE\n//\n", "a\\x1b[2J"},
      {"a C1 control in UTF-8 and a raw one", ">a\nAC\xc2\x9b\x9b\n>c\nACDEFGH\n",
       "AC\\xc2\\x9b\\x9b"},
  };
  for (const Case& c : cases) {
    CliRun r = cli({"annotate", "--no-profile", "-"}, c.input);
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.err.find_first_of("\x1b\x07\x9b"), std::string::npos) << c.what << ": " << r.err;
    EXPECT_NE(r.err.find(c.shown), std::string::npos) << c.what << ": " << r.err;
  }
}

}  // namespace
}  // namespace hueset::test
