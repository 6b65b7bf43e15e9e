#include "gui/common/remembered_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <vector>

namespace hueset::gui {

void applyRememberedPlace(QWidget* window, const std::optional<ScreenRect>& place) {
  if (!window || !place) return;
  std::vector<ScreenRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    screens.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  if (const auto placed = placeOnScreens(*place, screens)) {
    window->setGeometry(placed->left, placed->top, placed->width, placed->height);
  }
}

ScreenRect placeOf(const QWidget* window) {
  const QRect frame = window->geometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

}  // namespace hueset::gui
