#include "preview/preview_settings.h"

#include <algorithm>
#include <array>

#include "settings/profile_store.h"

namespace hueset {
namespace {

constexpr std::string_view kShownKey = "Show Preview";
constexpr std::string_view kZoomKey = "Preview Zoom";

constexpr std::array<int, 16> kZoomSteps = {25,  33,  50,  67,  75,  80,  90,  100,
                                            110, 125, 150, 175, 200, 250, 300, 400};

}  // namespace

int clampZoom(int percent) { return std::clamp(percent, kSmallestZoom, kLargestZoom); }

int zoomStep(int percent, int steps) {
  int zoom = clampZoom(percent);
  for (; steps > 0; --steps) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    if (next == kZoomSteps.end()) break;
    zoom = *next;
  }
  for (; steps < 0; ++steps) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    if (next == kZoomSteps.begin()) break;
    zoom = *(next - 1);
  }
  return zoom;
}

PreviewSettings PreviewSettings::load(const ProfileStore& profile) {
  PreviewSettings settings;
  settings.shown = profile.readInt(kWindowSection, kShownKey, 1) != 0;
  settings.zoom = clampZoom(profile.readInt(kWindowSection, kZoomKey, 100));
  return settings;
}

void PreviewSettings::save(ProfileStore& profile) const {
  profile.writeInt(kWindowSection, kShownKey, shown ? 1 : 0);
  profile.writeInt(kWindowSection, kZoomKey, clampZoom(zoom));
}

}  // namespace hueset
