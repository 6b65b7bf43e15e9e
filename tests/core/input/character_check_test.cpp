#include <gtest/gtest.h>

#include "input/alignment.h"

namespace hueset {
namespace {

Alignment one(std::string residues) {
  Alignment a;
  a.names = {"seq"};
  a.residues = {std::move(residues)};
  a.length = static_cast<int>(a.residues[0].size());
  return a;
}

TEST(CheckCharacters, LowerCaseAndSymbolsReportedWhenNotAllowed) {
  std::vector<CharacterProblem> problems;
  EXPECT_FALSE(checkCharacters(one("AC-GT.~x1"), problems, false, false, ""));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].lowerCaseLetters, "x");
  EXPECT_EQ(problems[0].otherSymbols, "1");
  EXPECT_EQ(problems[0].name, "seq");
  EXPECT_FALSE(problems[0].whiteSpace);
  EXPECT_FALSE(problems[0].nonPrintable);

  problems.clear();
  EXPECT_TRUE(checkCharacters(one("AC-GT.~x1"), problems, true, true, ""));
  EXPECT_TRUE(problems.empty());
}

// The one problem of a single sequence of `residues`.
CharacterProblem problemOf(std::string residues, bool allowLowerCase, bool allowStrangeGaps,
                           const std::string& invalidResidues) {
  std::vector<CharacterProblem> problems;
  checkCharacters(one(std::move(residues)), problems, allowLowerCase, allowStrangeGaps,
                  invalidResidues);
  EXPECT_EQ(problems.size(), 1u);
  return problems.empty() ? CharacterProblem{} : problems[0];
}

TEST(CheckCharacters, InvalidListedTwiceForBothCases) {
  EXPECT_EQ(problemOf("AbBC", true, true, "BJOUZ").invalidLetters, "BB");
}

TEST(CheckCharacters, InvalidLettersFollowListOrder) {
  EXPECT_EQ(problemOf("ZUB", false, false, "BJOUZ").invalidLetters, "BUZ");
}

TEST(CheckCharacters, WhiteSpaceAndControlCharacters) {
  const CharacterProblem blanks = problemOf("A C\r", true, true, "");
  EXPECT_TRUE(blanks.whiteSpace);
  EXPECT_FALSE(blanks.nonPrintable);

  const CharacterProblem control = problemOf(std::string("A\x01") + "C", true, true, "");
  EXPECT_FALSE(control.whiteSpace);
  EXPECT_TRUE(control.nonPrintable);
}

TEST(CheckCharacters, HighBytesAreSymbolsInCodeOrder) {
  EXPECT_EQ(problemOf("A\xff{[*", false, false, "").otherSymbols, "*[{\xff");
}

TEST(CheckCharacters, InsertLettersAreResiduesInTheFormatsThatHaveThem) {
  struct Case {
    const char* what;
    AlignmentFormat format;
    bool problem;
  };
  const Case cases[] = {
      {"A3M inserts", AlignmentFormat::A3m, false},
      {"A2M inserts", AlignmentFormat::A2m, false},
      {"FASTA has no inserts: lower case stays a problem", AlignmentFormat::Fasta, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Alignment a = one("AgtCD.");
    a.format = c.format;
    std::vector<CharacterProblem> problems;
    EXPECT_EQ(checkCharacters(a, problems, false, false, ""), !c.problem);
  }
  // An invalid letter stays invalid in either case.
  Alignment a = one("Ab");
  a.format = AlignmentFormat::A3m;
  std::vector<CharacterProblem> problems;
  EXPECT_FALSE(checkCharacters(a, problems, false, false, "B"));
}

TEST(CheckCharacters, AppendsOnlyForSequencesWithProblems) {
  Alignment a;
  a.names = {"ok", "bad", "ok2"};
  a.residues = {"ACD", "AC#", "ACE"};
  std::vector<CharacterProblem> problems;
  EXPECT_FALSE(checkCharacters(a, problems, false, false, ""));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].name, "bad");
}

}  // namespace
}  // namespace hueset
