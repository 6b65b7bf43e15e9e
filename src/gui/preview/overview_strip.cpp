#include "gui/preview/overview_strip.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace hueset::gui {
namespace {

constexpr int kStripHeight = 14;

}  // namespace

OverviewStrip::OverviewStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("OverviewStrip"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Conservation of every column: click or drag to go there"));
}

QSize OverviewStrip::sizeHint() const { return {200, kStripHeight}; }

void OverviewStrip::setOverview(std::shared_ptr<const PreviewOverview> overview) {
  if (overview == m_overview) return;
  m_overview = std::move(overview);
  m_lastChosen = 0;
  rebuildBand();
  update();
}

void OverviewStrip::setView(ColumnSpan view) {
  if (view == m_view) return;
  m_view = view;
  update();
}

void OverviewStrip::rebuildBand() {
  const std::vector<Colour> pixels =
      m_overview ? overviewPixels(*m_overview, static_cast<std::size_t>(std::max(0, width())))
                 : std::vector<Colour>();
  if (pixels.empty()) {
    m_band = QImage();
    return;
  }
  m_band = QImage(static_cast<int>(pixels.size()), 1, QImage::Format_RGB32);
  auto* line = reinterpret_cast<QRgb*>(m_band.scanLine(0));
  for (std::size_t x = 0; x < pixels.size(); ++x) {
    line[x] = qRgb(static_cast<int>(redOf(pixels[x])), static_cast<int>(greenOf(pixels[x])),
                   static_cast<int>(blueOf(pixels[x])));
  }
}

QRectF OverviewStrip::spanRect(ColumnSpan span) const {
  const std::size_t count = m_overview ? m_overview->columns.size() : 0;
  if (count == 0 || span.empty()) return {};
  const double perColumn = static_cast<double>(width()) / static_cast<double>(count);
  const double left = static_cast<double>(span.first) * perColumn;
  const double right = static_cast<double>(std::min(span.end, count)) * perColumn;
  return QRectF(left, 0, std::max(2.0, right - left), height());
}

void OverviewStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  if (m_band.isNull()) return;
  painter.drawImage(rect(), m_band);
  const QRectF view = spanRect(m_view);
  if (view.isEmpty()) return;
  // The columns in view: a dark frame with a light one inside, seen on
  // pale and dark columns alike.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
  painter.drawRect(view.adjusted(1, 1, -1, -1));
  painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 1));
  painter.drawRect(view.adjusted(2.5, 2.5, -2.5, -2.5));
}

void OverviewStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  rebuildBand();
}

void OverviewStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  m_lastChosen = 0;
  choose(event->position().x());
}

void OverviewStrip::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  choose(event->position().x());
}

void OverviewStrip::choose(double x) {
  if (!m_overview || m_overview->columns.empty()) return;
  const std::size_t at = overviewColumnAt(x, width(), m_overview->columns.size());
  const std::int32_t column = m_overview->columns[at].alignmentColumn;
  if (column == m_lastChosen) return;
  m_lastChosen = column;
  emit columnChosen(column);
}

}  // namespace hueset::gui
