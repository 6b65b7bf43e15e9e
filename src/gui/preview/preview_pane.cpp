#include "gui/preview/preview_pane.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "gui/common/qt_text.h"
#include "preview/preview_settings.h"

namespace hueset::gui {
namespace {

// One notch of an ordinary mouse wheel.
constexpr int kWheelNotch = 120;

// Room around the document, so its first line and column clear the frame.
constexpr int kMargin = 4;

QColor barBackground(PreviewMessage::Kind kind) {
  return kind == PreviewMessage::Kind::Error ? QColor(0xf8, 0xd7, 0xda) : QColor(0xff, 0xf3, 0xcd);
}

QColor barText(PreviewMessage::Kind kind) {
  return kind == PreviewMessage::Kind::Error ? QColor(0x72, 0x1c, 0x24) : QColor(0x66, 0x4d, 0x03);
}

}  // namespace

PreviewPane::PreviewPane(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  m_bar = new QLabel(this);
  m_bar->setTextFormat(Qt::PlainText);  // a reader's message may hold "<"
  m_bar->setWordWrap(true);
  m_bar->setMargin(4);
  m_bar->setAutoFillBackground(true);
  m_bar->installEventFilter(this);
  m_bar->hide();
  refreshFonts();
}

PreviewPane::~PreviewPane() = default;

void PreviewPane::showOutcome(std::shared_ptr<const PreviewOutcome> outcome) {
  if (!outcome || outcome->stopped) return;
  const PreviewShown shown = shownAfter({m_model.document(), m_greyed, m_shownSource}, *outcome);
  m_shownSource = shown.source;
  if (shown.document != m_model.document()) setDocument(shown.document);
  setGreyed(shown.greyed);
  setMessages(outcome->messages);
}

void PreviewPane::setDocument(std::shared_ptr<const PreviewDocument> document) {
  // Another file's columns are not this one's.
  const bool sameSource = m_selectionSource == m_shownSource;
  m_model.setDocument(std::move(document));
  if (!sameSource) clearSelection();
  m_selectionSource = m_shownSource;
  refreshFonts();
  updateScrollBars();
  viewport()->update();
  if (viewport()->underMouse()) hoverAt(viewport()->mapFromGlobal(QCursor::pos()));
}

void PreviewPane::setMessages(const std::vector<PreviewMessage>& messages) {
  m_message = hueset::messageBar(messages);
  if (m_message) {
    m_bar->setText(toQString(m_message->text));
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::Window, barBackground(m_message->kind));
    palette.setColor(QPalette::WindowText, barText(m_message->kind));
    m_bar->setPalette(palette);
    const bool clickable = m_message->line > 0;
    m_bar->setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_bar->setToolTip(clickable ? tr("Click to select line %1 in the editor").arg(m_message->line)
                                : QString());
  }
  placeBar();
  updateScrollBars();
}

void PreviewPane::setGreyed(bool greyed) {
  if (greyed == m_greyed) return;
  m_greyed = greyed;
  viewport()->update();
}

void PreviewPane::setZoom(int percent) {
  percent = clampZoom(percent);
  if (percent == m_zoom) return;
  // The point in the middle of the view stays in the middle.
  const double width = std::max(1.0, m_model.width());
  const double height = std::max(1.0, m_model.height());
  const QPointF centre =
      contentOffset() + QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0);
  const double x = centre.x() / width;
  const double y = centre.y() / height;
  m_zoom = percent;
  refreshFonts();
  updateScrollBars();
  horizontalScrollBar()->setValue(
      static_cast<int>(x * m_model.width() - viewport()->width() / 2.0) + kMargin);
  verticalScrollBar()->setValue(
      static_cast<int>(y * m_model.height() - viewport()->height() / 2.0) + kMargin);
  viewport()->update();
  emit zoomChanged(m_zoom);
}

void PreviewPane::zoomIn() { setZoom(zoomStep(m_zoom, 1)); }

void PreviewPane::zoomOut() { setZoom(zoomStep(m_zoom, -1)); }

void PreviewPane::resetZoom() { setZoom(100); }

void PreviewPane::refreshFonts() {
  const PreviewDocument* document = m_model.document().get();
  FontKey key{document ? document->fontName : std::string(), document ? document->fontSize : 100,
              m_zoom};
  // Most new documents come in the font of the last one.
  if (m_fonts && key == m_fontKey) return;
  m_fonts = std::make_unique<PreviewFonts>(key.name, key.size, key.zoom);
  m_fontKey = std::move(key);
  m_model.setCellSize(m_fonts->cellSize());
}

void PreviewPane::updateScrollBars() {
  const QSize view = viewport()->size();
  const CellSize cell = m_model.cellSize();
  const int width = static_cast<int>(std::ceil(m_model.width())) + 2 * kMargin;
  const int height = static_cast<int>(std::ceil(m_model.height())) + 2 * kMargin;
  horizontalScrollBar()->setRange(0, std::max(0, width - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(static_cast<int>(std::ceil(cell.width * 4)));
  verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(static_cast<int>(std::ceil(cell.height)));
}

void PreviewPane::placeBar() {
  if (!m_message) {
    m_bar->hide();
    setViewportMargins(0, 0, 0, 0);
    return;
  }
  const int frame = frameWidth();
  const int width = std::max(1, this->width() - 2 * frame);
  const int height = m_bar->heightForWidth(width);
  m_bar->setGeometry(frame, frame, width, height);
  setViewportMargins(0, height, 0, 0);
  m_bar->show();
}

void PreviewPane::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!m_model.document()) {
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    return;
  }
  const QPointF offset = contentOffset();
  painter.translate(-offset);
  std::optional<QColor> wash;
  if (m_greyed) {
    QColor colour = palette().color(QPalette::Window);
    colour.setAlpha(170);
    wash = colour;
  }
  paintPreview(painter, m_model, *m_fonts, QRectF(event->rect()).translated(offset), wash);
  if (const auto spot = m_found.empty() ? std::nullopt : m_model.find(m_found)) {
    // Found things are marked in an orange every reader tells from the
    // groupings' colours.
    painter.setPen(QPen(QColor(0xE6, 0x61, 0x00), 2));
    painter.setBrush(QColor(0xE6, 0x61, 0x00, 40));
    painter.drawRect(
        QRectF(spot->left, spot->top, spot->width, spot->height).adjusted(-1, -1, 1, 1));
  }
}

bool PreviewPane::goTo(const QString& what) {
  const std::string text = what.toStdString();
  const auto spot = m_model.find(text);
  m_found = spot ? text : std::string();
  viewport()->update();
  if (!spot) return false;
  // The spot in the middle of the view, as far as the scroll bars go.
  const QSize view = viewport()->size();
  horizontalScrollBar()->setValue(
      static_cast<int>(spot->left + kMargin - (view.width() - spot->width) / 2));
  verticalScrollBar()->setValue(
      static_cast<int>(spot->top + kMargin - (view.height() - spot->height) / 2));
  return true;
}

void PreviewPane::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  placeBar();
  updateScrollBars();
}

void PreviewPane::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  // Fine-grained wheels send fractions of a notch; they add up to steps.
  m_wheelDelta += event->angleDelta().y();
  const int steps = m_wheelDelta / kWheelNotch;
  m_wheelDelta -= steps * kWheelNotch;
  if (steps != 0) setZoom(zoomStep(m_zoom, steps));
  event->accept();
}

void PreviewPane::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  if (event->matches(QKeySequence::ZoomIn) || (control && event->key() == Qt::Key_Equal)) {
    zoomIn();
  } else if (event->matches(QKeySequence::ZoomOut)) {
    zoomOut();
  } else if (control && event->key() == Qt::Key_0) {
    resetZoom();
  } else if (event->key() == Qt::Key_Escape && !selection().empty()) {
    clearSelection();
  } else {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

void PreviewPane::mouseMoveEvent(QMouseEvent* event) {
  m_hoverPoint = event->position();
  hoverAt(event->position());
  if (m_dragging && (event->buttons() & Qt::LeftButton) && m_model.document()) {
    if (const auto column = columnAt(event->position())) {
      m_selector.dragTo(*m_model.document(), *column);
      showSelection();
    }
  }
  QAbstractScrollArea::mouseMoveEvent(event);
}

void PreviewPane::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const auto column = columnAt(event->position());
  if (!column || !m_model.document()) {
    // A click beside the cells lets go of the columns.
    clearSelection();
    return;
  }
  const Qt::KeyboardModifiers keys = event->modifiers();
  const ColumnSelector::Press how = keys & Qt::ShiftModifier     ? ColumnSelector::Press::Extend
                                    : keys & Qt::ControlModifier ? ColumnSelector::Press::Add
                                                                 : ColumnSelector::Press::Choose;
  m_selector.press(*m_model.document(), *column, how);
  m_dragging = true;
  showSelection();
}

void PreviewPane::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_dragging = false;
  QAbstractScrollArea::mouseReleaseEvent(event);
}

void PreviewPane::contextMenuEvent(QContextMenuEvent* event) {
  // A right-click on a column outside the selection is about that column.
  const auto column = event->reason() == QContextMenuEvent::Mouse
                          ? columnAt(event->pos())  // in the viewport, as it came
                          : std::nullopt;
  if (column && m_model.document()) {
    const auto shown = alignmentColumnsAt(*m_model.document(), *column);
    if (shown && !selection().touches(*shown)) {
      m_selector.press(*m_model.document(), *column, ColumnSelector::Press::Choose);
      showSelection();
    }
  }
  emit menuRequested(event->globalPos());
  event->accept();
}

void PreviewPane::clearSelection() {
  m_dragging = false;
  if (selection().empty()) {
    m_selector.clear();
    return;
  }
  m_selector.clear();
  showSelection();
}

void PreviewPane::showSelection() {
  if (m_selector.selection() == selection()) return;
  m_model.setSelection(m_selector.selection());
  viewport()->update();
  emit selectionChanged();
}

std::optional<std::size_t> PreviewPane::columnAt(QPointF viewportPoint) const {
  const QPointF point = toDocument(viewportPoint);
  const auto hit = m_model.hitAt(point.x(), point.y());
  if (!hit || !hit->onCell) return std::nullopt;
  return hit->column;
}

// The wheel and the scroll bars move the document under a pointer that
// stays put: the status bar follows what is under it now.
void PreviewPane::scrollContentsBy(int dx, int dy) {
  QAbstractScrollArea::scrollContentsBy(dx, dy);
  viewport()->update();
  if (m_hoverPoint) hoverAt(*m_hoverPoint);
}

bool PreviewPane::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) {
    m_hoverPoint.reset();
    setHoverText(QString());
  }
  return QAbstractScrollArea::viewportEvent(event);
}

bool PreviewPane::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (watched == m_bar && (press || event->type() == QEvent::MouseButtonRelease)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && m_message && m_message->line > 0) {
      // A click is a press and a release on the bar; the release acts.
      if (!press) emit messageClicked(m_message->line);
      return true;
    }
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

QPointF PreviewPane::contentOffset() const {
  return QPointF(horizontalScrollBar()->value() - kMargin, verticalScrollBar()->value() - kMargin);
}

void PreviewPane::hoverAt(QPointF viewportPoint) {
  const QPointF point = toDocument(viewportPoint);
  setHoverText(toQString(m_model.statusText(point.x(), point.y())));
}

void PreviewPane::setHoverText(const QString& text) {
  if (text == m_hoverText) return;
  m_hoverText = text;
  emit hoverTextChanged(text);
}

}  // namespace hueset::gui
