#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace hueset::test {
namespace {

// The page's lines as a reader sees them: tags dropped, "&gt;" a '>'.
std::vector<std::string> shownLines(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>') inTag = false;
  }
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    for (auto at = line.find("&gt;"); at != std::string::npos; at = line.find("&gt;"))
      line.replace(at, 4, ">");
    if (line.find_first_not_of(' ') != std::string::npos) lines.push_back(line);
  }
  return lines;
}

TEST_F(Cli, ConservationAndMarksAreRowsOfCharactersInHtml) {
  // Column 1 is W, W, W and a gap; column 2 L, L and two gaps (blanks counted).
  writeFile("s.fa", ">a\nWLDEFGHIKL\n>b\nWLDEFGHIKL\n>c\nW-DQFGHIWL\n>d\n--DQFGHIWL\n");
  const CliRun run = cli({"annotate", "--no-profile", "--conservation", "--mark", "2:star",
                          "--mark", "9:K", "--sets", "0,1;2,3", "-t", "html", path("s.fa")});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = shownLines(run.out);
  ASSERT_EQ(lines.size(), 9u);
  const std::size_t first = lines[1].find("WLDEF");
  ASSERT_NE(first, std::string::npos);
  struct Case {
    const char* what;
    std::size_t line;
    std::string cells;
  };
  const Case cases[] = {
      {"both --mark lists, above the block at columns 2 and 9", 0, " *      K "},
      {"the first set agrees everywhere", 4, "9999999999"},
      {"the second set: W is one of two, the gaps none", 8, "5099999999"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(lines[c.line].substr(first, c.cells.size()), c.cells);
  }
  EXPECT_EQ(lines[4].substr(0, 12), "Conservation");
}

TEST_F(Cli, AReferenceNumbersTheRulerAndTheMarks) {
  // The reference starts at 11 and has a gap at columns 3 and 4: its
  // residue 15 is column 7.
  writeFile("r.fa", ">ref/11-18\nAC--DEFGHI\n>b\nACDEDEFGHI\n>c\nACDEDEFGHW\n");
  const CliRun run =
      cli({"annotate", "--no-profile", "--reference", ">ref/11-18", "--option", "ruler=1",
           "--option", "rulerInterval=5", "--mark", "15:star", "-t", "html", path("r.fa")});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = shownLines(run.out);
  ASSERT_GE(lines.size(), 3u);
  const std::size_t first = lines[2].find("AC--DEFGHI");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(lines[0].substr(first + 5, 2), "15") << "the number ends over residue 15";
  EXPECT_EQ(lines[1].substr(first + 6, 1), "*");
  EXPECT_EQ(cli({"annotate", "--no-profile", "--reference", "nobody", path("r.fa")}).status, 1);
}

TEST_F(Cli, AChosenRangeKeepsItsNumbersTrue) {
  writeFile("r.fa", ">ref/11-18\nAC--DEFGHI\n>b\nACDEDEFGHI\n>c\nACDEDEFGHW\n");
  struct Case {
    const char* what;
    std::vector<std::string> flags;
    std::string marks;  // the mark line from the first residue's cell
    std::string ref;    // the reference's line from its first number
    std::string b;
  };
  const Case cases[] = {
      {"alignment columns 2-3 and 7-9: the mark on column 8 is the fourth shown",
       {"--columns", "2-3,7-9", "--mark", "8:star"},
       "   *",
       "12 C-FGH 17",
       " 2 CDFGH 9"},
      {"in the reference's numbering residues 12-13 are columns 2-5, the gap too",
       {"--reference", "1", "--columns", "12-13", "--mark", "13:K"},
       "   K",
       "12 C--D 13",
       " 2 CDED 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"annotate",         "--no-profile", "--option",
                                     "residueNumbers=1", "-t",           "html"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    args.push_back(path("r.fa"));
    const CliRun run = cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = shownLines(run.out);
    ASSERT_GE(lines.size(), 3u);
    const std::size_t number = lines[1].find_first_of("0123456789", 10);
    ASSERT_NE(number, std::string::npos);
    EXPECT_EQ(lines[1].substr(number), c.ref);
    EXPECT_EQ(lines[2].substr(number), c.b);
    // The residues start after the number and the blank before the first group.
    EXPECT_EQ(lines[0].substr(number + 3, c.marks.size()), c.marks);
  }
}

TEST_F(Cli, AMarkOrFrameThatIsNoColumnIsAUsageError) {
  writeFile("s.fa", kFasta);
  for (const char* bad : {"--mark=3:square", "--frame=9-2", "--columns=x"}) {
    SCOPED_TRACE(bad);
    const std::string flag(bad);
    const auto equals = flag.find('=');
    const CliRun run = cli({"annotate", "--no-profile", flag.substr(0, equals),
                            flag.substr(equals + 1), path("s.fa")});
    EXPECT_EQ(run.status, 2);
  }
}

}  // namespace
}  // namespace hueset::test
