#include "desktop/frame/help_topics.h"

#include <gtest/gtest.h>

#include "desktop/frame/command_ids.h"

namespace hueset {
namespace {

TEST(HelpTopics, TutorialContextIsItsOwnPage) {
  EXPECT_EQ(kTutorialHelpContext, 98348);
  EXPECT_EQ(helpPageForContext(kTutorialHelpContext), "tutorial.html");
}

TEST(HelpTopics, UnknownAndDefaultContextsShowContents) {
  EXPECT_EQ(helpPageForContext(kDefaultHelpContext), kHelpContentsPage);
  EXPECT_EQ(helpPageForContext(0), kHelpContentsPage);
  EXPECT_EQ(helpPageForContext(-5), kHelpContentsPage);
}

TEST(HelpTopics, DialogsAndCommandsReachTheirPages) {
  EXPECT_EQ(helpPageForContext(kFileFormatsHelpContext), "formats.html");
  EXPECT_EQ(helpPageForContext(kInvalidCharactersHelpContext), "formats.html#problems");
  EXPECT_EQ(helpPageForContext(kUnequalLengthsHelpContext), "formats.html#problems");
  EXPECT_EQ(helpPageForContext(kCommandHelpBase + 32771), "annotating.html");
  EXPECT_EQ(helpPageForContext(kCommandHelpBase + 32777), "groupings.html");
  EXPECT_EQ(helpPageForContext(kCommandHelpBase + 32778), "options.html");
  // A dialog number that happens to equal a command number is not the command.
  EXPECT_EQ(helpPageForContext(kDialogHelpBase + 32778), kHelpContentsPage);
}

}  // namespace
}  // namespace hueset
