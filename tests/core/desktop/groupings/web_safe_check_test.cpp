#include "desktop/groupings/web_safe_check.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

ResidueGrouping grouping(const char* name, Colour text, Colour back) {
  ResidueGrouping g;
  g.name = name;
  g.format.textColour = text;
  g.format.backColour = back;
  return g;
}

TEST(WebSafe, EveryComponentMustBeAMultipleOf51) {
  EXPECT_TRUE(isWebSafe(rgb(0, 0, 0)));
  EXPECT_TRUE(isWebSafe(rgb(255, 204, 51)));
  EXPECT_FALSE(isWebSafe(rgb(255, 0, 10)));
  EXPECT_FALSE(isWebSafe(rgb(1, 0, 0)));
  EXPECT_FALSE(isWebSafe(rgb(0, 52, 0)));
}

TEST(WebSafe, ListsEachColourThatIsNotSafe) {
  GroupingSet set;
  set.groupings = {grouping("Default", rgb(0, 0, 0), rgb(255, 255, 255)),
                   grouping("Single", rgb(255, 255, 0), rgb(51, 51, 51)),
                   grouping("Acid", rgb(0, 0, 0), rgb(255, 0, 10)),
                   grouping("Both", rgb(100, 0, 0), rgb(0, 0, 7))};
  EXPECT_EQ(webSafeProblems(set),
            (std::vector<std::string>{"Acid: Background Colour", "Both: Text Colour",
                                      "Both: Background Colour"}));
}

TEST(WebSafe, SafeSetGivesNoLines) {
  GroupingSet set;
  set.groupings = {grouping("Default", rgb(0, 0, 0), rgb(255, 255, 255))};
  EXPECT_TRUE(webSafeProblems(set).empty());
}

}  // namespace
}  // namespace hueset
