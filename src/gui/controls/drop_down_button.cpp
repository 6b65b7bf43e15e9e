#include "gui/controls/drop_down_button.h"

#include <qdrawutil.h>

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace hueset::gui {

DropDownButton::DropDownButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (!m_droppedDown) dropDown();
  });
}

int DropDownButton::arrowWidth() const {
  const int edge = std::max(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this), 1);
  const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  int width = std::max(5 * edge, thumb);
  if (width % 2 != 0) ++width;
  return width;
}

QRect DropDownButton::arrowRect() const {
  const int w = arrowWidth();
  return QRect(width() - w - 3, 3, w, height() - 6);
}

QRect DropDownButton::faceRect() const {
  return QRect(4, 4, std::max(width() - arrowWidth() - 11, 1), std::max(height() - 8, 1));
}

QSize DropDownButton::minimumSizeHint() const {
  const int edge = std::max(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this), 1);
  return QSize(2 * arrowWidth() + edge, 22);
}

QSize DropDownButton::sizeHint() const {
  return QSize(std::max(minimumSizeHint().width(), 72), 24);
}

void DropDownButton::setDroppedDown(bool on) {
  m_droppedDown = on;
  update();
}

void DropDownButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  if (m_droppedDown) option.state |= QStyle::State_Sunken;
  p.drawControl(QStyle::CE_PushButtonBevel, option);

  const QRect face = faceRect();
  qDrawShadePanel(&p, face.adjusted(-1, -1, 1, 1), palette(), true, 1);
  p.save();
  p.setClipRect(face);
  drawFace(p, face);
  p.restore();

  const QRect arrow = arrowRect();
  qDrawShadeLine(&p, arrow.left() - 2, arrow.top() + 1, arrow.left() - 2, arrow.bottom() - 1,
                 palette(), true, 1, 0);
  QStyleOption arrowOption;
  arrowOption.initFrom(this);
  arrowOption.rect = m_droppedDown ? arrow.translated(1, 1) : arrow;
  if (!isEnabled()) arrowOption.state &= ~QStyle::State_Enabled;
  p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrowOption);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = face.adjusted(-3, -3, 3, 3);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void DropDownButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (!m_droppedDown) dropDown();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace hueset::gui
