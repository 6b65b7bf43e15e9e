#include "pipeline/column_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/alignment.h"
#include "settings/options.h"

namespace hueset {
namespace {

Alignment alignmentOf(std::vector<std::string> names, std::vector<std::string> residues) {
  Alignment a;
  a.names = std::move(names);
  a.residues = std::move(residues);
  a.length = static_cast<int>(a.residues.front().size());
  return a;
}

TEST(ColumnRows, TheReferenceIsFoundByNameOrNumber) {
  const Alignment a = alignmentOf({"one/5-9  ", "two      "}, {"AB-CDE", "ABCCDE"});
  struct Case {
    const char* what;
    std::string wanted;
    std::string name;
    std::vector<std::int32_t> numbers;
  };
  const Case cases[] = {
      {"by name, the padding ignored; numbered from its /5-9",
       "one/5-9",
       "one/5-9  ",
       {5, 6, 0, 7, 8, 9}},
      {"by number from 1, numbered from 1 without a suffix", "2", "two      ", {1, 2, 3, 4, 5, 6}},
      {"no such sequence", "three", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Options options;
    options.columnMarks.reference = c.wanted;
    std::string problem;
    const ReferenceSequence found = findReference(a, options, problem);
    EXPECT_EQ(found.name, c.name);
    EXPECT_EQ(found.numbers, c.numbers);
    EXPECT_EQ(problem.empty(), !c.name.empty());
  }
}

TEST(ColumnRows, ResiduesIdenticalToTheReferenceTakeTheShade) {
  AnnotatedAlignment annotated;
  annotated.sets = {alignmentOf({"ref", "b"}, {"AC-Dx", "aCEDX"}), alignmentOf({"c"}, {"GC-DA"})};
  annotated.results.resize(2);
  annotated.results[0].formats = {"11111", "22222"};
  annotated.results[1].formats = {"33333"};
  // Column 5 stands in for an elided region.
  annotated.columnNumbers = {1, 2, 3, 4, 0};
  annotated.rows.referenceSet = 0;
  annotated.rows.referenceRow = 0;
  shadeIdenticalResidues(annotated, 9);
  // Letters alike in either case are identical; gaps never are; the other
  // set is shaded against the same reference.
  EXPECT_EQ(annotated.results[0].formats[0], std::string("\t\t1\t1"));
  EXPECT_EQ(annotated.results[0].formats[1], std::string("\t\t2\t2"));
  EXPECT_EQ(annotated.results[1].formats[0], std::string("3\t3\t3"));
  EXPECT_EQ(annotated.rows.identityFormat, 9);
}

}  // namespace
}  // namespace hueset
