#include "input/residue_number_start.h"

#include <gtest/gtest.h>

#include <string>

namespace hueset {
namespace {

struct Case {
  const char* what;  // and why it matters
  std::string name;
  int start;
};

TEST(ResidueNumberStart, ReadsOnlyAWellFormedRangeSuffix) {
  const Case cases[] = {
      {"Pfam's form sets the start", "PF00001_HUMAN/23-310", 23},
      {"the layout sees names padded by justification, on either side", "  Q9XYZ1/105-200    ",
       105},
      {"only the last slash counts: names may hold paths", "a/b/7-9", 7},
      {"a name without a suffix starts at 1", "HBA_HUMAN", 1},
      {"a slash without a range is part of the name", "strain/B", 1},
      {"one number alone is no range", "x/12", 1},
      {"a reversed range is no Pfam range", "x/30-20", 1},
      {"residues are counted from 1, never from 0", "x/0-20", 1},
      {"signs would make '-5-10' ambiguous", "x/+5-10", 1},
      {"trailing words are not a range", "x/5-10 fragment", 1},
      {"a start beyond int does not wrap around", "x/99999999999-99999999999", 1},
      {"a name that is only a suffix has no name", "/5-10", 1},
      {"a blank name", "      ", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(residueNumberStart(c.name), c.start) << c.what;
}

}  // namespace
}  // namespace hueset
