#include "preview/preview_settings.h"

#include <gtest/gtest.h>

#include "settings/profile_store.h"

namespace hueset {
namespace {

TEST(PreviewZoom, StepsLikeABrowserWithinTheRange) {
  struct Case {
    const char* what;
    int from, steps, expected;
  };
  const Case cases[] = {
      {"one step in from 100", 100, 1, 110},
      {"one step out from 100", 100, -1, 90},
      {"between steps, in goes to the next", 105, 1, 110},
      {"between steps, out goes to the one below", 105, -1, 100},
      {"several notches of the wheel at once", 100, 3, 150},
      {"stops at the largest", 300, 5, 400},
      {"stops at the smallest", 33, -4, 25},
      {"an out-of-range zoom is clamped first", 1000, -1, 300},
      {"no step keeps a valid zoom", 123, 0, 123},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(zoomStep(c.from, c.steps), c.expected);
  }
}

TEST(PreviewSettings, LiveInTheWindowSectionOnly) {
  IniProfileStore profile;
  EXPECT_EQ(PreviewSettings::load(profile), PreviewSettings{});  // shown, at 100%
  const PreviewSettings changed{false, 150};
  changed.save(profile);
  EXPECT_EQ(profile.sectionNames(), std::vector<std::string>{"Window"});
  EXPECT_EQ(PreviewSettings::load(profile), changed);

  profile.writeInt("Window", "Preview Zoom", 5000);
  EXPECT_EQ(PreviewSettings::load(profile).zoom, kLargestZoom);
}

}  // namespace
}  // namespace hueset
