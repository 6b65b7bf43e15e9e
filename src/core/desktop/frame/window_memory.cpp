#include "desktop/frame/window_memory.h"

#include <algorithm>
#include <limits>
#include <string>

#include "settings/profile_store.h"

namespace hueset {
namespace {

constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kHeight = "Height";
constexpr std::string_view kMaximized = "Maximized";
constexpr std::string_view kEditorFont = "Editor Font";

// The overlap of two rectangles along one axis.
int overlap(int from1, int length1, int from2, int length2) {
  const long long start = std::max<long long>(from1, from2);
  const long long end = std::min<long long>(static_cast<long long>(from1) + length1,
                                            static_cast<long long>(from2) + length2);
  return static_cast<int>(std::max<long long>(0, end - start));
}

// The keys of a window's frame: "Left" and so on, after `prefix`.
std::string key(std::string_view prefix, std::string_view name) {
  return std::string(prefix) + std::string(name);
}

std::optional<ScreenRect> readFrame(const ProfileStore& profile, std::string_view prefix) {
  constexpr int kMissing = std::numeric_limits<int>::min();
  const ScreenRect frame{profile.readInt(kWindowSection, key(prefix, kLeft), kMissing),
                         profile.readInt(kWindowSection, key(prefix, kTop), kMissing),
                         profile.readInt(kWindowSection, key(prefix, kWidth), 0),
                         profile.readInt(kWindowSection, key(prefix, kHeight), 0)};
  if (frame.left != kMissing && frame.top != kMissing && frame.width >= kSmallestWindow &&
      frame.height >= kSmallestWindow) {
    return frame;
  }
  return std::nullopt;
}

void writeFrame(ProfileStore& profile, std::string_view prefix,
                const std::optional<ScreenRect>& frame) {
  if (!frame) return;
  profile.writeInt(kWindowSection, key(prefix, kLeft), frame->left);
  profile.writeInt(kWindowSection, key(prefix, kTop), frame->top);
  profile.writeInt(kWindowSection, key(prefix, kWidth), frame->width);
  profile.writeInt(kWindowSection, key(prefix, kHeight), frame->height);
}

constexpr std::string_view kOptionsSheet = "Options Sheet ";
constexpr std::string_view kGroupingsEditor = "Groupings Editor ";

}  // namespace

WindowMemory WindowMemory::load(const ProfileStore& profile) {
  WindowMemory memory;
  memory.frame = readFrame(profile, "");
  memory.optionsSheet = readFrame(profile, kOptionsSheet);
  memory.groupingsEditor = readFrame(profile, kGroupingsEditor);
  memory.maximized = profile.readInt(kWindowSection, kMaximized, 0) != 0;
  memory.editorFont = profile.readString(kWindowSection, kEditorFont, "");
  return memory;
}

void WindowMemory::save(ProfileStore& profile) const {
  writeFrame(profile, "", frame);
  writeFrame(profile, kOptionsSheet, optionsSheet);
  writeFrame(profile, kGroupingsEditor, groupingsEditor);
  profile.writeInt(kWindowSection, kMaximized, maximized ? 1 : 0);
  profile.writeString(kWindowSection, kEditorFont, editorFont);
}

std::optional<ScreenRect> placeOnScreens(const ScreenRect& frame,
                                         const std::vector<ScreenRect>& screens) {
  const ScreenRect* best = nullptr;
  long long bestArea = 0;
  for (const ScreenRect& screen : screens) {
    const int across = overlap(frame.left, frame.width, screen.left, screen.width);
    const int down = overlap(frame.top, frame.height, screen.top, screen.height);
    const long long area = static_cast<long long>(across) * down;
    if (across >= std::min(kVisibleAtLeast, frame.width) &&
        down >= std::min(kVisibleAtLeast, frame.height) && area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  }
  if (!best) return std::nullopt;
  ScreenRect placed = frame;
  placed.width = std::min(frame.width, best->width);
  placed.height = std::min(frame.height, best->height);
  return placed;
}

}  // namespace hueset
