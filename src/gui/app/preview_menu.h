#pragma once

#include <QObject>
#include <memory>

#include "annotate/column_marks.h"

class QMenu;
class QWidget;

namespace hueset::gui {

class AnnotateCommands;
class HuesetApp;
class PreviewPane;

// The preview's context menu and its commands: the figure as a picture
// (all of it, or the chosen columns alone), Save As, marks and frames for
// the chosen columns, and the Annotate commands on the chosen columns.
class PreviewMenu : public QObject {
  Q_OBJECT
 public:
  PreviewMenu(HuesetApp& app, AnnotateCommands* annotate, PreviewPane* pane);

  // The menu as it stands for the pane's selection; items that need one are
  // disabled without it.
  std::unique_ptr<QMenu> makeMenu(QWidget* parent);

  // The chosen columns as the columns option takes them; empty for none.
  std::string selectedColumns() const;
  bool copyAsPicture();
  bool copySelectedColumns();
  // Adds a mark (or a frame) over the chosen columns to the options.
  void markSelection(MarkSymbol symbol, char letter = 0);
  void frameSelection();

 signals:
  // The options changed: the preview runs again.
  void optionsChanged();

 private:
  void chooseLetterMark();

  HuesetApp& m_app;
  AnnotateCommands* m_annotate;
  PreviewPane* m_pane;
};

}  // namespace hueset::gui
