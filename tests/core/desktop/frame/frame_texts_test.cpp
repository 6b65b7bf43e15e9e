#include "desktop/frame/frame_texts.h"

#include <gtest/gtest.h>

#include "util/string_table.h"

namespace hueset {
namespace {

struct IdleCase {
  int consensus;
  int elision;
  int minimum;
  const char* expected;
};

class IdleStatus : public ::testing::TestWithParam<IdleCase> {};

TEST_P(IdleStatus, ShowsThresholdsInPercent) {
  const auto& c = GetParam();
  EXPECT_EQ(idleStatusText(c.consensus, c.elision, c.minimum), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdleStatus,
    ::testing::Values(
        // Defaults print without decimals.
        IdleCase{800, 800, 4,
                 "Consensus threshold = 80%;   Elision threshold = 80%, min length = 4"},
        IdleCase{725, 1000, 12,
                 "Consensus threshold = 72.5%;   Elision threshold = 100%, min length = 12"},
        IdleCase{500, 0, 9999,
                 "Consensus threshold = 50%;   Elision threshold = 0%, min length = 9999"},
        IdleCase{999, 1, 4,
                 "Consensus threshold = 99.9%;   Elision threshold = 0.1%, min length = 4"}));

TEST(StatusBarText, IdlePromptIsReplacedOthersPass) {
  const std::string idle = idleStatusText(800, 800, 4);
  EXPECT_EQ(loadString(kIdlePromptId), "For Help, press F1");
  EXPECT_EQ(statusBarText("For Help, press F1", idle), idle);
  EXPECT_EQ(statusBarText("", idle), idle);
  EXPECT_EQ(statusBarText("Insert Clipboard contents", idle), "Insert Clipboard contents");
}

TEST(FrameCaption, NamesDocumentAndConfiguration) {
  CaptionParts parts;
  parts.documentTitle = "Untitled";
  parts.configurationTitle = "Hueset Defaults";
  EXPECT_EQ(frameCaption(parts), "Untitled - HUESET- [ \"Hueset Defaults\" Residue Groupings ]");
  parts.documentTitle = "globins4.msf";
  parts.windowNumber = 2;
  parts.configurationTitle = "my set.cfb";
  EXPECT_EQ(frameCaption(parts), "globins4.msf:2 - HUESET- [ \"my set.cfb\" Residue Groupings ]");
}

TEST(FrameCaption, WithoutDocumentIsPlainTitle) {
  CaptionParts parts;
  parts.hasDocument = false;
  parts.documentTitle = "ignored";
  EXPECT_EQ(frameCaption(parts), "HUESET");
}

TEST(AnnotateCommands, NeedMoreThanTwoCharacters) {
  EXPECT_FALSE(annotateCommandsEnabled(0));
  EXPECT_FALSE(annotateCommandsEnabled(2));
  EXPECT_TRUE(annotateCommandsEnabled(3));
}

TEST(LineSelection, LineBecomesSecondVisible) {
  // Line 12 with line 0 at the top: scroll 10 so that line index 10 is the
  // first visible one and line 12 (index 11) the second.
  EXPECT_EQ(scrollToShowLine(12, 0), 10);
  EXPECT_EQ(scrollToShowLine(12, 10), 0);
  EXPECT_EQ(scrollToShowLine(12, 30), -20);
  EXPECT_EQ(scrollToShowLine(1, 0), -1);
}

}  // namespace
}  // namespace hueset
