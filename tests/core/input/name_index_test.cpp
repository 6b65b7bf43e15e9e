#include "input/name_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "input/alignment_reader.h"

namespace hueset {
namespace {

// The index must answer every lookup exactly as findName would, including
// after misses, so the readers keep their documented behaviour.
TEST(NameIndex, AgreesWithFindNameOnRandomLookups) {
  std::mt19937 random(42);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> names;
    const int n = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < n; ++i) names.push_back("n" + std::to_string(i));
    std::vector<std::string> indexed = names;
    NameIndex index(indexed);
    int running = 0;
    for (int step = 0; step < 200; ++step) {
      // Mostly in-order names, some out of order, some unknown.
      const int pick = static_cast<int>(random() % static_cast<unsigned>(n + 3));
      const std::string token = pick < n ? names[static_cast<std::size_t>(pick)] : "zz";
      ASSERT_EQ(index.find(token), findName(names, token, running)) << round << " " << step;
    }
  }
}

TEST(NameIndex, AddedNamesAreFoundAndBecomeTheRunningName) {
  std::vector<std::string> names;
  NameIndex index(names);
  EXPECT_EQ(index.find("a"), -1);
  EXPECT_EQ(index.add("a"), 0);
  EXPECT_EQ(index.add("b"), 1);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(index.find("a"), 0);
  EXPECT_EQ(index.find("b"), 1);
  // Many more names: the index survives the vector growing.
  for (int i = 0; i < 1000; ++i) index.add("x" + std::to_string(i));
  EXPECT_EQ(index.find("x500"), 502);
  EXPECT_EQ(index.find("a"), 0);
  EXPECT_EQ(index.find("x"), -1);
}

}  // namespace
}  // namespace hueset
