#pragma once

#include <QWidget>
#include <optional>

#include "desktop/groupings/colour_palette.h"

namespace hueset::gui {

// The colour well that drops down under a colour button: special cells,
// the palette grid, the custom colours and the button rows. Mouse and
// keyboard pick a cell; Esc or losing the focus closes it without a choice.
class ColourWell : public QWidget {
  Q_OBJECT
 public:
  ColourWell(ColourSet& set, QWidget* owner);

  const WellLayout& wellLayout() const { return m_layout; }
  std::optional<int> focusItem() const { return m_focus; }
  std::optional<int> pressedItem() const { return m_pressed; }
  // The centre of an item, for pointing at it.
  QPoint itemCentre(int index) const;
  // Lays the well out again (after the set changed).
  void relayout();

  // Shows the well under `anchor` as a pop-up.
  void popUp(QWidget* anchor);

 signals:
  void colourChosen(hueset::Colour colour);
  void moreColoursRequested();
  void cancelled();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::optional<int> itemAt(const QPoint& point) const;
  void choose(int index);
  void finish();

  ColourSet& m_set;
  WellLayout m_layout;
  std::optional<int> m_focus;
  std::optional<int> m_pressed;
  bool m_keyHeld = false;
  bool m_finished = false;
};

}  // namespace hueset::gui
