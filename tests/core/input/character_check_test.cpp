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

TEST(CheckCharacters, InvalidListedTwiceForBothCases) {
  std::vector<CharacterProblem> problems;
  checkCharacters(one("AbBC"), problems, true, true, "BJOUZ");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].invalidLetters, "BB");
}

TEST(CheckCharacters, InvalidLettersFollowListOrder) {
  std::vector<CharacterProblem> problems;
  checkCharacters(one("ZUB"), problems, false, false, "BJOUZ");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].invalidLetters, "BUZ");
}

TEST(CheckCharacters, WhiteSpaceAndControlCharacters) {
  std::vector<CharacterProblem> problems;
  checkCharacters(one("A C\r"), problems, true, true, "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_TRUE(problems[0].whiteSpace);
  EXPECT_FALSE(problems[0].nonPrintable);

  problems.clear();
  checkCharacters(one(std::string("A\x01") + "C"), problems, true, true, "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_FALSE(problems[0].whiteSpace);
  EXPECT_TRUE(problems[0].nonPrintable);
}

TEST(CheckCharacters, HighBytesAreSymbolsInCodeOrder) {
  std::vector<CharacterProblem> problems;
  checkCharacters(one("A\xff{[*"), problems, false, false, "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].otherSymbols, "*[{\xff");
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
