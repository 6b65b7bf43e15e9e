#include "gui/controls/colour_pickers.h"

#include <algorithm>

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>
#include <qdrawutil.h>

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

std::optional<Colour> systemColourDialog(QWidget* parent, Colour current) {
  const QColor start = current > 0xFFFFFFu ? QColor(Qt::white) : toQColor(current);
  const QColor chosen = QColorDialog::getColor(start, parent, QStringLiteral("Colour"));
  if (!chosen.isValid()) return std::nullopt;
  return fromQColor(chosen);
}

}  // namespace

// TLDropDownButton

TLDropDownButton::TLDropDownButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (!m_droppedDown) dropDown();
  });
}

int TLDropDownButton::arrowWidth() const {
  const int edge = std::max(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this), 1);
  const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  int width = std::max(5 * edge, thumb);
  if (width % 2 != 0) ++width;
  return width;
}

QRect TLDropDownButton::arrowRect() const {
  const int w = arrowWidth();
  return QRect(width() - w - 3, 3, w, height() - 6);
}

QRect TLDropDownButton::faceRect() const {
  return QRect(4, 4, std::max(width() - arrowWidth() - 11, 1), std::max(height() - 8, 1));
}

QSize TLDropDownButton::minimumSizeHint() const {
  const int edge = std::max(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this), 1);
  return QSize(2 * arrowWidth() + edge, 22);
}

QSize TLDropDownButton::sizeHint() const {
  return QSize(std::max(minimumSizeHint().width(), 72), 24);
}

void TLDropDownButton::setDroppedDown(bool on) {
  m_droppedDown = on;
  update();
}

void TLDropDownButton::paintEvent(QPaintEvent*) {
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

void TLDropDownButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (!m_droppedDown) dropDown();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// TLColourDropDownButton

TLColourDropDownButton::TLColourDropDownButton(QWidget* parent)
    : TLDropDownButton(parent), m_colourDialog(systemColourDialog) {}

TLColourDropDownButton::~TLColourDropDownButton() {
  // The well refers to this button's colour set.
  if (m_well) delete m_well.data();
}

void TLColourDropDownButton::setColour(Colour colour) {
  if (colour == m_colour) return;
  m_colour = colour;
  emit colourChanged(colour);
  update();
}

void TLColourDropDownButton::exchangeIn(Colour colour) {
  setColour(colour);
  m_set.selectValue(colour);
}

void TLColourDropDownButton::setPalette(std::span<const PaletteEntry> entries, int columns) {
  m_set.setPalette(entries);
  m_set.setColumns(columns);
  if (m_well) {
    m_set.selectValue(m_colour);
    m_well->relayout();
  }
}

void TLColourDropDownButton::drawFace(QPainter& p, const QRect& face) {
  if (m_colour == kColourNone || m_colour == kColourAutomatic) {
    p.fillRect(face, palette().color(QPalette::Base));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.drawText(face, Qt::AlignCenter, toQString(ColourSet::specialText(m_colour)));
    return;
  }
  const QRect frame = face.adjusted(2, 2, -3, -3);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  const Colour shown = isEnabled() ? m_colour : washedOut(m_colour);
  p.fillRect(frame.adjusted(1, 1, 0, 0), toQColor(shown));
}

void TLColourDropDownButton::dropDown() {
  if (m_well) return;
  emit aboutToDropDown();
  m_set.selectValue(m_colour);
  QWidget* owner = parentWidget() ? parentWidget() : this;
  m_well = new TLCustWell(m_set, owner);
  connect(m_well, &TLCustWell::colourChosen, this, &TLColourDropDownButton::wellChose);
  connect(m_well, &TLCustWell::moreColoursRequested, this,
          &TLColourDropDownButton::chooseMoreColours);
  connect(m_well, &TLCustWell::cancelled, this, &TLColourDropDownButton::wellCancelled);
  setDroppedDown(true);
  m_well->popUp(this);
}

void TLColourDropDownButton::closeWell() {
  if (m_well) {
    TLCustWell* well = m_well;
    m_well = nullptr;
    disconnect(well, nullptr, this, nullptr);
    well->close();
  }
  setDroppedDown(false);
}

void TLColourDropDownButton::wellChose(Colour colour) {
  closeWell();
  setColour(colour);
}

void TLColourDropDownButton::wellCancelled() {
  m_well = nullptr;
  setDroppedDown(false);
  emit closedWithoutChoice();
}

void TLColourDropDownButton::chooseMoreColours() {
  closeWell();
  if (!m_colourDialog) return;
  const std::optional<Colour> chosen = m_colourDialog(this, m_colour);
  if (!chosen) return;  // cancelled: nothing changes
  setColour(*chosen);
  m_set.selectValue(*chosen);
  update();
}

// TLCustWell

TLCustWell::TLCustWell(ColourSet& set, QWidget* owner)
    : QWidget(owner, Qt::Popup), m_set(set), m_focus(set.selected()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  relayout();
}

void TLCustWell::relayout() {
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

void TLCustWell::popUp(QWidget* anchor) {
  QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
  if (const QScreen* screen = anchor->screen()) {
    const QRect available = screen->availableGeometry();
    if (at.x() + width() > available.right()) at.setX(available.right() - width());
    if (at.y() + height() > available.bottom()) at.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
    at.setX(std::max(at.x(), available.left()));
  }
  move(at);
  show();
  setFocus(Qt::PopupFocusReason);
}

QPoint TLCustWell::itemCentre(int index) const {
  const WellRect& r = m_layout.items.at(static_cast<std::size_t>(index));
  return QPoint(r.x + r.width / 2, r.y + r.height / 2);
}

std::optional<int> TLCustWell::itemAt(const QPoint& point) const {
  return wellItemAt(m_layout, point.x(), point.y());
}

void TLCustWell::paintEvent(QPaintEvent*) {
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
      p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
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

bool TLCustWell::event(QEvent* e) {
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

void TLCustWell::mouseMoveEvent(QMouseEvent* e) {
  const std::optional<int> item = itemAt(e->position().toPoint());
  if (item && !m_set.isEmptyCell(*item) && item != m_focus) {
    m_focus = item;
    update();
  }
}

void TLCustWell::mousePressEvent(QMouseEvent* e) {
  if (!rect().contains(e->position().toPoint())) {
    close();  // a click outside: no choice
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  m_pressed = itemAt(e->position().toPoint());
  setFocus(Qt::MouseFocusReason);
  update();
}

void TLCustWell::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void TLCustWell::mouseReleaseEvent(QMouseEvent* e) {
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

void TLCustWell::keyPressEvent(QKeyEvent* e) {
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

void TLCustWell::keyReleaseEvent(QKeyEvent* e) {
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

void TLCustWell::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  if (e->reason() != Qt::PopupFocusReason && isVisible() && !m_finished) close();
}

void TLCustWell::choose(int index) {
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

void TLCustWell::finish() {
  if (m_finished) return;
  m_finished = true;
  emit cancelled();
}

void TLCustWell::closeEvent(QCloseEvent* e) {
  finish();
  QWidget::closeEvent(e);
}

}  // namespace hueset::gui
