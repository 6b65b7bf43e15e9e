#pragma once

#include <QPushButton>

namespace hueset::gui {

// A push button with a drop-down arrow part at its right edge. Derived
// classes draw the face and say what drops down.
class DropDownButton : public QPushButton {
  Q_OBJECT
 public:
  explicit DropDownButton(QWidget* parent = nullptr);

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

}  // namespace hueset::gui
