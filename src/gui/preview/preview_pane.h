#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/preview/preview_painter.h"
#include "preview/column_selection.h"
#include "preview/preview_model.h"
#include "preview/preview_run.h"

class QLabel;

namespace hueset::gui {

// The live preview: the annotation drawn as the writers lay it out, only
// the part in view, with a message bar above it for what a dialog would
// have said. A preview the text no longer gives stays, greyed, under the
// message. Zooms with Ctrl and the wheel or Ctrl+plus and Ctrl+minus.
// Columns are chosen with the mouse (a click, Shift+click, Ctrl+click or a
// drag; Escape or a click beside the cells lets go) and lit in every block;
// a right-click asks for the context menu, which the window provides.
class PreviewPane : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit PreviewPane(QWidget* parent = nullptr);
  ~PreviewPane() override;

  const PreviewModel& model() const { return m_model; }
  int zoom() const { return m_zoom; }
  bool isGreyed() const { return m_greyed; }
  // The bar above the preview; hidden when there is nothing to say.
  QLabel* messageBar() const { return m_bar; }
  const std::optional<MessageBar>& message() const { return m_message; }
  // What the status bar was last told for the point under the mouse.
  const QString& hoverText() const { return m_hoverText; }
  // The columns chosen with the mouse (see ColumnSelector), in alignment
  // numbering; kept through new runs of the same document.
  const ColumnSelection& selection() const { return m_model.selection(); }
  // A point of the viewport in the model's pixels, and back.
  QPointF toDocument(QPointF viewportPoint) const { return viewportPoint + contentOffset(); }
  QPointF fromDocument(QPointF documentPoint) const { return documentPoint - contentOffset(); }

 public slots:
  // A preview run's outcome: its document, or, when the text could not be
  // annotated, the last document greyed while the same document is edited
  // (see shownAfter); its messages in the bar.
  void showOutcome(std::shared_ptr<const PreviewOutcome> outcome);
  void setDocument(std::shared_ptr<const PreviewDocument> document);
  void setMessages(const std::vector<PreviewMessage>& messages);
  void setGreyed(bool greyed);
  void setZoom(int percent);
  void zoomIn();
  void zoomOut();
  void resetZoom();
  // Scrolls to what PreviewModel::find finds for `what` (a column number or
  // part of a sequence name) and keeps it marked, through later runs, until
  // the next search; false, with no mark, when nothing matches.
  bool goTo(const QString& what);
  void clearSelection();

 signals:
  void zoomChanged(int percent);
  // The message bar was clicked; `line` is the document line (from 1).
  void messageClicked(int line);
  // The status bar's text for the point under the mouse; empty off the cells.
  void hoverTextChanged(const QString& text);
  void selectionChanged();
  // A context menu is wanted at `globalPos`.
  void menuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void refreshFonts();
  void updateScrollBars();
  void placeBar();
  // Where the viewport's top left lies in the model's pixels.
  QPointF contentOffset() const;
  void hoverAt(QPointF viewportPoint);
  void setHoverText(const QString& text);
  // The layout column under a viewport point, on a cell of any line.
  std::optional<std::size_t> columnAt(QPointF viewportPoint) const;
  void showSelection();

  struct FontKey {
    std::string name;
    int size = 0;
    int zoom = 0;
    bool operator==(const FontKey&) const = default;
  };

  PreviewModel m_model;
  std::unique_ptr<PreviewFonts> m_fonts;
  FontKey m_fontKey;  // what m_fonts was made for
  int m_zoom = 100;
  int m_wheelDelta = 0;  // wheel turns not yet a whole zoom step
  bool m_greyed = false;
  std::uint64_t m_shownSource = 0;      // the document the shown preview was made from
  std::uint64_t m_selectionSource = 0;  // the document the selection was made in
  QLabel* m_bar = nullptr;
  std::optional<MessageBar> m_message;
  QString m_hoverText;
  std::optional<QPointF> m_hoverPoint;  // the pointer in the viewport, while over it
  std::string m_found;                  // the last search that matched
  ColumnSelector m_selector;
  bool m_dragging = false;  // the left button went down on a cell
};

}  // namespace hueset::gui
