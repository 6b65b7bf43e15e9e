#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "preview/preview_overview.h"

namespace hueset::gui {

// A thin band above the preview: the whole alignment's conservation, a
// column per pixel or several columns to one, darker the more conserved;
// the columns in view framed. A click or a drag asks to go to the column
// under the pointer.
class OverviewStrip : public QWidget {
  Q_OBJECT
 public:
  explicit OverviewStrip(QWidget* parent = nullptr);

  // Null clears the band.
  void setOverview(std::shared_ptr<const PreviewOverview> overview);
  const std::shared_ptr<const PreviewOverview>& overview() const { return m_overview; }
  // The layout columns in view, framed on the band.
  void setView(ColumnSpan view);
  ColumnSpan view() const { return m_view; }
  // The band as drawn, a pixel per strip pixel (for the tests).
  const QImage& band() const { return m_band; }

  QSize sizeHint() const override;

 signals:
  // The alignment column (from 1) under a click or a drag.
  void columnChosen(std::int32_t column);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void rebuildBand();
  void choose(double x);
  // The strip's pixels [left, right) that layout columns [first, end) fall on.
  QRectF spanRect(ColumnSpan span) const;

  std::shared_ptr<const PreviewOverview> m_overview;
  QImage m_band;
  ColumnSpan m_view;
  std::int32_t m_lastChosen = 0;  // a drag asks once per column
};

}  // namespace hueset::gui
