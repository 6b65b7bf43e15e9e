#pragma once

#include <string_view>

namespace hueset {

class ProfileStore;

// The zoom of the preview, in percent of the groupings' font size.
inline constexpr int kSmallestZoom = 25;
inline constexpr int kLargestZoom = 400;

// Within the zoom range.
int clampZoom(int percent);
// `steps` zoom steps in (positive) or out (negative) from `percent`, along
// the steps a browser takes (..., 80, 90, 100, 110, 125, ...).
int zoomStep(int percent, int steps);

// The preview pane, remembered from one run to the next.
struct PreviewSettings {
  bool shown = true;
  int zoom = 100;

  // Missing or out-of-range values take their defaults or are clamped.
  static PreviewSettings load(const ProfileStore& profile);
  void save(ProfileStore& profile) const;

  bool operator==(const PreviewSettings&) const = default;
};

}  // namespace hueset
