#include "desktop/options/set_layout.h"

#include <gtest/gtest.h>

namespace hueset {
namespace {

const std::vector<std::string> kNames = {"Alpha", "Beta", "Gamma", "Delta"};

std::vector<std::string> texts(const std::vector<SetLayoutModel::Item>& items) {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.text);
  return out;
}

using Texts = std::vector<std::string>;
using Rows = std::vector<int>;

TEST(SetLayout, NewAlignmentOpensWithOneSetOfEverySequence) {
  SetLayoutModel model(kNames, false, {});
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Alpha", "Beta", "Gamma", "Delta"}));
  EXPECT_TRUE(model.source().empty());
  EXPECT_EQ(model.layout(), defaultSetLayout(4));
  EXPECT_EQ(model.duplicatesNote(), "(Sequences can only belong to one set at a time)");
}

TEST(SetLayout, SetNumbersAreNeverReused) {
  SetLayoutModel model(kNames, false, {});
  EXPECT_EQ(model.newSet(), 5);
  model.newSet();
  EXPECT_EQ(texts(model.output()).back(), "Set #3");
  model.selectOutput({6});
  model.remove();
  model.newSet();
  EXPECT_EQ(texts(model.output()).back(), "Set #4");
  EXPECT_TRUE(model.outputSelection().empty());
}

TEST(SetLayout, RemoveAllKeepsTheFirstHeader) {
  SetLayoutModel model(kNames, false, {-1, 0, 1, -1, 2, 3});
  model.removeAll();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1"}));
  EXPECT_EQ(texts(model.source()), (Texts{"Alpha", "Beta", "Gamma", "Delta"}));
  EXPECT_EQ(model.layout(), (Rows{-1}));
}

TEST(SetLayout, SequenceInTwoSetsTicksTheCheckBox) {
  SetLayoutModel model(kNames, false, {-1, 0, 1, -1, 1, 2});
  EXPECT_TRUE(model.allowDuplicates());
  EXPECT_EQ(model.duplicatesNote(), "(Sequences can belong to more than one set)");
  EXPECT_EQ(texts(model.source()), (Texts{"Alpha", "Beta", "Gamma", "Delta"}));
}

TEST(SetLayout, OkGivesTheItemDataInListOrder) {
  SetLayoutModel model(kNames, false, {});
  model.removeAll();
  // Output: header 1, A, B, header 2, C.
  model.selectSource({0, 1});
  model.add();
  model.newSet();
  model.selectSource({0});  // Gamma, now first in the source list
  model.add();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Alpha", "Beta", "Set #2", "Gamma"}));
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 1, -1, 2}));
  EXPECT_EQ(texts(model.source()), (Texts{"Delta"}));
}

TEST(SetLayout, LayoutWithoutLeadingHeaderGetsOne) {
  SetLayoutModel model(kNames, false, {2, 0, -1, 3});
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Gamma", "Alpha", "Set #2", "Delta"}));
  EXPECT_EQ(model.nextSetNumber(), 3);
  EXPECT_EQ(texts(model.source()), (Texts{"Beta"}));
}

TEST(SetLayout, IndexesOutsideTheAlignmentAreSkipped) {
  SetLayoutModel model(kNames, false, {-1, 0, 9, -7, 4, 1, 9});
  EXPECT_FALSE(model.allowDuplicates());
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 1}));
}

TEST(SetLayout, AddGoesAfterTheFirstSelectedOutputItem) {
  SetLayoutModel model(kNames, false, {-1, 0, -1, 1});
  model.selectOutput({1, 3});  // Alpha and Beta
  model.selectSource({1});     // Delta
  model.add();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Alpha", "Delta", "Set #2", "Beta"}));
  EXPECT_EQ(model.outputSelection(), (Rows{1, 4}));  // still Alpha and Beta
  EXPECT_EQ(texts(model.source()), (Texts{"Gamma"}));
  EXPECT_FALSE(model.addEnabled());
}

TEST(SetLayout, AddKeepsSourceItemsWhenDuplicatesAreAllowed) {
  SetLayoutModel model(kNames, true, {});
  EXPECT_EQ(model.source().size(), 4u);
  model.selectSource({2});
  model.add();
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 1, 2, 3, 2}));
  EXPECT_EQ(model.source().size(), 4u);
  EXPECT_EQ(model.sourceSelection(), (Rows{2}));
}

TEST(SetLayout, AddAllCopiesTheWholeSourceList) {
  SetLayoutModel model(kNames, false, {-1, 3});
  model.selectOutput({0});
  model.addAll();
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 1, 2, 3}));
  EXPECT_TRUE(model.source().empty());
}

TEST(SetLayout, RemoveSelectsTheRemovedSequencesInTheSource) {
  SetLayoutModel model(kNames, false, {});
  model.selectOutput({0, 2, 4});  // header 1, Beta, Delta
  EXPECT_TRUE(model.removeEnabled());
  model.remove();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Alpha", "Gamma"}));
  EXPECT_EQ(texts(model.source()), (Texts{"Beta", "Delta"}));
  EXPECT_EQ(model.sourceSelection(), (Rows{0, 1}));
  EXPECT_EQ(model.outputSelection(), (Rows{0}));
  EXPECT_FALSE(model.removeEnabled());  // only the first header counts as nothing
}

TEST(SetLayout, MoveUpStopsBelowTheFirstHeader) {
  SetLayoutModel model(kNames, false, {});
  model.selectOutput({3, 4});  // Gamma, Delta
  model.moveUp();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Alpha", "Gamma", "Delta", "Beta"}));
  EXPECT_EQ(model.outputSelection(), (Rows{2, 3}));
  model.moveUp();
  model.moveUp();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Gamma", "Delta", "Alpha", "Beta"}));
  EXPECT_EQ(model.outputSelection(), (Rows{1, 2}));
}

TEST(SetLayout, MoveDownAndHeadersStayPut) {
  SetLayoutModel model(kNames, false, {-1, 0, 1, -1, 2, 3});
  model.selectOutput({1});
  model.moveDown();
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Beta", "Alpha", "Set #2", "Gamma", "Delta"}));
  model.moveDown();  // across the second header
  EXPECT_EQ(texts(model.output()), (Texts{"Set #1", "Beta", "Set #2", "Alpha", "Gamma", "Delta"}));
  model.selectOutput({5});
  model.moveDown();  // already last
  EXPECT_EQ(model.layout(), (Rows{-1, 1, -1, 0, 2, 3}));
  model.selectOutput({2});  // a header alone does not move
  model.moveDown();
  model.moveUp();
  EXPECT_EQ(model.layout(), (Rows{-1, 1, -1, 0, 2, 3}));
}

TEST(SetLayout, CheckBoxRefillsTheSourceOnly) {
  SetLayoutModel model(kNames, false, {-1, 0, 1});
  EXPECT_EQ(texts(model.source()), (Texts{"Gamma", "Delta"}));
  model.setAllowDuplicates(true);
  EXPECT_EQ(texts(model.source()), (Texts{"Alpha", "Beta", "Gamma", "Delta"}));
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 1}));
}

TEST(SetLayout, DropFromSourceGoesAfterTheTarget) {
  SetLayoutModel model(kNames, false, {-1, 0, -1, 1});
  model.selectSource({0, 1});  // Gamma, Delta
  EXPECT_EQ(model.dropHint(1), "Insert after Alpha");
  model.dropFromSource(1);
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 2, 3, -1, 1}));
  EXPECT_TRUE(model.source().empty());
  EXPECT_EQ(model.outputSelection(), (Rows{2, 3}));
}

TEST(SetLayout, DropWithoutTargetGoesToTheEnd) {
  SetLayoutModel model(kNames, true, {-1, 0});
  model.selectSource({3});
  model.dropFromSource(-1);
  EXPECT_EQ(model.layout(), (Rows{-1, 0, 3}));
  EXPECT_EQ(model.source().size(), 4u);
}

TEST(SetLayout, DragWithinTheOutputReorders) {
  SetLayoutModel model(kNames, false, {-1, 0, 1, -1, 2, 3});
  model.selectOutput({0, 1});  // the first header does not move
  model.dropWithinOutput(4);   // after Gamma
  EXPECT_EQ(model.layout(), (Rows{-1, 1, -1, 2, 0, 3}));
  model.selectOutput({3, 4});
  model.dropWithinOutput(3);  // onto itself: the order stays
  EXPECT_EQ(model.layout(), (Rows{-1, 1, -1, 2, 0, 3}));
  model.selectOutput({2});  // a later header may move
  model.dropWithinOutput(-1);
  EXPECT_EQ(model.layout(), (Rows{-1, 1, 2, 0, 3, -1}));
}

TEST(SetLayout, DropHintDropsTrailingBlanks) {
  SetLayoutModel model({"Name1     ", "Name2"}, false, {});
  EXPECT_EQ(model.dropHint(1), "Insert after Name1");
  EXPECT_EQ(model.dropHint(0), "Insert after Set #1");
  EXPECT_EQ(model.dropHint(-1), "");
}

TEST(SetLayout, AutoScrollDirection) {
  EXPECT_EQ(dragScrollDirection(-3, 0, 100), -1);
  EXPECT_EQ(dragScrollDirection(50, 0, 100), 0);
  EXPECT_EQ(dragScrollDirection(101, 0, 100), 1);
}

}  // namespace
}  // namespace hueset
