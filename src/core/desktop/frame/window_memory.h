#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hueset {

class ProfileStore;

// A rectangle of the screen, in pixels.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const ScreenRect&) const = default;
};

// What the desktop program remembers of its window from one run to the next,
// in a profile section of its own, never among the options: where the main
// window was and how large (its normal size, also while maximized), whether
// it was maximized, and the editor font chosen on the General page as the
// toolkit describes it (empty: the system's fixed-pitch font). The options
// sheet and the groupings editor keep their place and size too, so one moved
// off the preview it updates stays off it.
struct WindowMemory {
  std::optional<ScreenRect> frame;
  bool maximized = false;
  std::string editorFont;
  std::optional<ScreenRect> optionsSheet;
  std::optional<ScreenRect> groupingsEditor;

  // A missing or damaged entry leaves its part at the default.
  static WindowMemory load(const ProfileStore& profile);
  void save(ProfileStore& profile) const;

  bool operator==(const WindowMemory&) const = default;
};

// A window smaller than this is no remembered size.
inline constexpr int kSmallestWindow = 100;
// How much of the window must show on a screen for the place to be kept.
inline constexpr int kVisibleAtLeast = 100;

// Where the remembered frame goes on the screens there are now (their
// available areas): where it was, no larger than the screen that shows most
// of it, when enough of it shows there; none when it would be off every
// screen (another monitor, a smaller one), and the window takes its default
// place.
std::optional<ScreenRect> placeOnScreens(const ScreenRect& frame,
                                         const std::vector<ScreenRect>& screens);

}  // namespace hueset
