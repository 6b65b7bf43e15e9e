#include "desktop/frame/window_memory.h"

#include <gtest/gtest.h>

#include "settings/profile_store.h"

namespace hueset {
namespace {

TEST(WindowMemory, KeptInASectionOfItsOwn) {
  WindowMemory memory;
  memory.frame = ScreenRect{40, -20, 900, 700};
  memory.maximized = true;
  memory.editorFont = "Liberation Mono,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
  IniProfileStore profile;
  memory.save(profile);
  EXPECT_EQ(profile.sectionNames(), std::vector<std::string>{"Window"});
  EXPECT_EQ(profile.readInt("Window", "Height", 0), 700);

  IniProfileStore reread;
  reread.loadFromText(profile.toText());
  EXPECT_EQ(WindowMemory::load(reread), memory);
}

// The dialogs' places are their own: one remembered leaves the others as
// they were, and none takes the main window's.
TEST(WindowMemory, TheDialogsKeepTheirOwnPlaces) {
  WindowMemory memory;
  memory.frame = ScreenRect{0, 0, 800, 600};
  memory.optionsSheet = ScreenRect{900, 10, 500, 400};
  IniProfileStore profile;
  memory.save(profile);
  IniProfileStore reread;
  reread.loadFromText(profile.toText());
  const WindowMemory loaded = WindowMemory::load(reread);
  EXPECT_EQ(loaded.optionsSheet, memory.optionsSheet);
  EXPECT_EQ(loaded.groupingsEditor, std::nullopt);
  EXPECT_EQ(loaded.frame, memory.frame);

  memory.groupingsEditor = ScreenRect{-5, 700, 640, 480};
  memory.save(profile);
  IniProfileStore again;
  again.loadFromText(profile.toText());
  EXPECT_EQ(WindowMemory::load(again), memory);
}

TEST(WindowMemory, NothingOrNonsenseRemembersNothing) {
  for (const char* text :
       {"", "[Window]\nLeft=10\nTop=10\nWidth=20\nHeight=500\n",
        "[Window]\nWidth=800\nHeight=600\n", "[Window]\nLeft=a\nTop=10\nWidth=800\nHeight=600\n"}) {
    IniProfileStore profile;
    profile.loadFromText(text);
    const WindowMemory memory = WindowMemory::load(profile);
    EXPECT_EQ(memory.frame, std::nullopt) << text;
    EXPECT_FALSE(memory.maximized);
    EXPECT_EQ(memory.editorFont, "");
  }
}

TEST(WindowMemory, PlacedOnTheScreensThereAreNow) {
  const std::vector<ScreenRect> two = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  const struct {
    ScreenRect frame;
    std::optional<ScreenRect> placed;
  } cases[] = {
      {{100, 80, 800, 600}, ScreenRect{100, 80, 800, 600}},
      {{2000, 100, 800, 600}, ScreenRect{2000, 100, 800, 600}},    // the second screen
      {{1500, 100, 2000, 900}, ScreenRect{1500, 100, 1280, 900}},  // mostly on the second
      {{-700, 100, 800, 600}, ScreenRect{-700, 100, 800, 600}},    // a hundred pixels show
      {{-750, 100, 800, 600}, std::nullopt},                       // fifty do not
      {{4000, 100, 800, 600}, std::nullopt},                       // a monitor that has gone
  };
  for (const auto& c : cases) {
    EXPECT_EQ(placeOnScreens(c.frame, two), c.placed) << c.frame.left << "," << c.frame.top;
  }
  EXPECT_EQ(placeOnScreens({100, 80, 800, 600}, {}), std::nullopt);
}

}  // namespace
}  // namespace hueset
