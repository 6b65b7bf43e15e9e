#pragma once

#include <functional>
#include <optional>

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "desktop/colour_palette.h"

namespace hueset::gui {

class TLCustWell;

// A push button with a drop-down arrow part at its right edge. Derived
// classes draw the face and say what drops down.
class TLDropDownButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TLDropDownButton(QWidget* parent = nullptr);

  // The width of the arrow part: five edge widths or a scroll-bar thumb,
  // whichever is larger, made even.
  int arrowWidth() const;
  QRect faceRect() const;
  QRect arrowRect() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  bool isDroppedDown() const { return m_droppedDown; }

 signals:
  // The drop-down is about to open (notification 8001 hexadecimal).
  void aboutToDropDown();
  // The drop-down closed without a choice (notification 6).
  void closedWithoutChoice();

 protected:
  virtual void dropDown() = 0;
  // Draws the face inside `face`, which lies inside a sunken edge.
  virtual void drawFace(QPainter& painter, const QRect& face) = 0;
  void setDroppedDown(bool on);

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool m_droppedDown = false;
};

// A colour button: shows its colour ("None" and "Automatic" as text) and
// drops down a colour well to change it.
class TLColourDropDownButton : public TLDropDownButton {
  Q_OBJECT
 public:
  // Asks the user for a colour, starting from `current`; none when
  // cancelled. The system colour dialog unless replaced (tests).
  using ColourDialog = std::function<std::optional<Colour>(QWidget* parent, Colour current)>;

  explicit TLColourDropDownButton(QWidget* parent = nullptr);
  ~TLColourDropDownButton() override;

  Colour colour() const { return m_colour; }
  // Notifies (colourChanged) only when the value changes.
  void setColour(Colour colour);

  ColourSet& colourSet() { return m_set; }
  const ColourSet& colourSet() const { return m_set; }
  // Gives the well another palette (an open well is laid out again).
  void setPalette(std::span<const PaletteEntry> entries, int columns);

  // Dialog data exchange: into the button sets the colour and selects it in
  // the well; out of it gives the colour.
  void exchangeIn(Colour colour);
  Colour exchangeOut() const { return m_colour; }

  void setColourDialog(ColourDialog dialog) { m_colourDialog = std::move(dialog); }
  // The open well, or null.
  TLCustWell* well() const { return m_well; }
  // Closes the well and runs "More Colours...".
  void chooseMoreColours();

  void dropDown() override;

 signals:
  // The colour changed (notification 1).
  void colourChanged(hueset::Colour colour);

 protected:
  void drawFace(QPainter& painter, const QRect& face) override;

 private:
  void wellChose(Colour colour);
  void wellCancelled();
  void closeWell();

  Colour m_colour = 0;
  ColourSet m_set;
  QPointer<TLCustWell> m_well;
  ColourDialog m_colourDialog;
};

// The colour well that drops down under a colour button: special cells,
// the palette grid, the custom colours and the button rows. Mouse and
// keyboard pick a cell; Esc or losing the focus closes it without a choice.
class TLCustWell : public QWidget {
  Q_OBJECT
 public:
  TLCustWell(ColourSet& set, QWidget* owner);

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
  void mouseDoubleClickEvent(QMouseEvent* event) override;
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
