#include "gui/controls/colour_well.h"

#include <qdrawutil.h>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

bool isSpecialOrButton(const ColourSet& set, int index) {
  const WellItemKind kind = set.item(index).kind;
  return kind == WellItemKind::Special || kind == WellItemKind::Button;
}

std::optional<WellMove> arrowMove(int key) {
  switch (key) {
    case Qt::Key_Left: return WellMove::Left;
    case Qt::Key_Right: return WellMove::Right;
    case Qt::Key_Up: return WellMove::Up;
    case Qt::Key_Down: return WellMove::Down;
    default: return std::nullopt;
  }
}

bool isChooseKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

ColourWell::ColourWell(ColourSet& set, QWidget* owner)
    : QWidget(owner, Qt::Popup), m_set(set), m_focus(set.selected()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  relayout();
}

void ColourWell::relayout() {
  const QFontMetrics metrics(font());
  int widest = 0;
  for (int i = 0; i < m_set.itemCount(); ++i) {
    if (isSpecialOrButton(m_set, i)) {
      widest = std::max(widest, metrics.horizontalAdvance(toQString(m_set.itemName(i))) + 8);
    }
  }
  m_layout = layoutWell(m_set, metrics.height() + 8, widest);
  setFixedSize(m_layout.width, m_layout.height);
  update();
}

void ColourWell::popUp(QWidget* anchor) {
  QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
  if (const QScreen* screen = anchor->screen()) {
    const QRect available = screen->availableGeometry();
    if (at.x() + width() > available.right()) at.setX(available.right() - width());
    if (at.y() + height() > available.bottom())
      at.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
    at.setX(std::max(at.x(), available.left()));
  }
  move(at);
  show();
  setFocus(Qt::PopupFocusReason);
}

QPoint ColourWell::itemCentre(int index) const {
  const WellRect& r = m_layout.items.at(static_cast<std::size_t>(index));
  return QPoint(r.x + r.width / 2, r.y + r.height / 2);
}

std::optional<int> ColourWell::itemAt(const QPoint& point) const {
  return wellItemAt(m_layout, point.x(), point.y());
}

void ColourWell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Window));
  qDrawWinPanel(&p, rect(), pal, false);

  for (int i = 0; i < m_set.itemCount(); ++i) {
    const WellRect& wr = m_layout.items[static_cast<std::size_t>(i)];
    const QRect r(wr.x, wr.y, wr.width, wr.height);
    const bool focused = m_focus == i;
    const bool pressed = m_pressed == i;
    const bool selected = m_set.selected() == i;
    if (isSpecialOrButton(m_set, i)) {
      if (pressed || selected) {
        qDrawShadePanel(&p, r, pal, true, 1, nullptr);
      } else if (focused) {
        qDrawShadePanel(&p, r, pal, false, 1, nullptr);
      }
      p.setPen(
          pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
      p.drawText(r, Qt::AlignCenter, toQString(m_set.itemName(i)));
      continue;
    }
    const std::optional<Colour> colour = m_set.itemColour(i);
    if (!colour) continue;  // an empty cell
    if (selected || pressed) {
      qDrawShadePanel(&p, r.adjusted(-1, -1, 1, 1), pal, true, 1, nullptr);
    }
    if (focused) {
      p.setPen(QPen(pal.color(QPalette::Highlight), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const QRect swatch = r.adjusted(3, 3, -3, -3);
    p.setPen(pal.color(QPalette::Dark));
    p.setBrush(Qt::NoBrush);
    p.drawRect(swatch.adjusted(-1, -1, 0, 0));
    p.fillRect(swatch, toQColor(isEnabled() ? *colour : washedOut(*colour)));
  }
  qDrawShadeLine(&p, kWellMargin, m_layout.separatorY, width() - kWellMargin, m_layout.separatorY,
                 pal, true, 1, 0);
}

bool ColourWell::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const std::optional<int> item = itemAt(help->pos());
    if (item && !m_set.isEmptyCell(*item)) {
      QToolTip::showText(help->globalPos(), toQString(m_set.itemName(*item)).trimmed(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(e);
}

void ColourWell::mouseMoveEvent(QMouseEvent* e) {
  const std::optional<int> item = itemAt(e->position().toPoint());
  if (item && !m_set.isEmptyCell(*item) && item != m_focus) {
    m_focus = item;
    update();
  }
}

void ColourWell::mousePressEvent(QMouseEvent* e) {
  if (!rect().contains(e->position().toPoint())) {
    close();  // a click outside: no choice
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  m_pressed = itemAt(e->position().toPoint());
  setFocus(Qt::MouseFocusReason);
  update();
}

void ColourWell::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || m_keyHeld) return;
  const std::optional<int> pressed = m_pressed;
  m_pressed.reset();
  update();
  const std::optional<int> item = itemAt(e->position().toPoint());
  if (!item) return;
  // A button row pressed and released elsewhere chooses nothing.
  if (pressed && m_set.item(*pressed).kind == WellItemKind::Button && *pressed != *item) return;
  choose(*item);
}

void ColourWell::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (isChooseKey(e->key())) {
    if (!e->isAutoRepeat()) {
      m_keyHeld = true;
      m_pressed = m_focus;
      update();
    }
    return;
  }
  if (const std::optional<WellMove> move = arrowMove(e->key())) {
    if (m_keyHeld || m_pressed) return;
    if (const std::optional<int> next = m_set.move(m_focus, *move)) {
      m_focus = next;
      update();
    }
    return;
  }
  QWidget::keyPressEvent(e);
}

void ColourWell::keyReleaseEvent(QKeyEvent* e) {
  if (isChooseKey(e->key()) && !e->isAutoRepeat()) {
    if (!m_keyHeld) return;
    m_keyHeld = false;
    const std::optional<int> item = m_pressed;
    m_pressed.reset();
    update();
    if (item) choose(*item);
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void ColourWell::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  if (e->reason() != Qt::PopupFocusReason && isVisible() && !m_finished) close();
}

void ColourWell::choose(int index) {
  const WellItem item = m_set.item(index);
  if (item.kind == WellItemKind::Button) {
    if (item.index == 0) {
      m_finished = true;
      emit moreColoursRequested();
    } else {
      close();  // a button without an action
    }
    return;
  }
  const std::optional<Colour> colour = m_set.itemColour(index);
  if (!colour) return;  // an empty cell
  m_finished = true;
  emit colourChosen(*colour);
}

void ColourWell::finish() {
  if (m_finished) return;
  m_finished = true;
  emit cancelled();
}

void ColourWell::closeEvent(QCloseEvent* e) {
  finish();
  QWidget::closeEvent(e);
}

}  // namespace hueset::gui
