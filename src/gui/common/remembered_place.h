#pragma once

#include <optional>

#include "desktop/frame/window_memory.h"

class QWidget;

namespace hueset::gui {

// Puts `window` where `place` says, when that is still on a screen; leaves
// it where the toolkit puts it otherwise.
void applyRememberedPlace(QWidget* window, const std::optional<ScreenRect>& place);
// Where `window` is now and how large, to remember.
ScreenRect placeOf(const QWidget* window);

}  // namespace hueset::gui
