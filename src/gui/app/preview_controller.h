#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>

#include "groupings/grouping_set.h"
#include "preview/preview_run.h"
#include "preview/preview_settings.h"

class QLineEdit;
class QSplitter;
class QWidget;

namespace hueset::gui {

class AlignmentEditor;
class AnnotateCommands;
class GroupingsCommands;
class HuesetApp;
class OverviewStrip;
class PreviewMenu;
class PreviewPane;
class PreviewRunner;
class ThresholdBar;

// The live preview beside the editor: the pane, and the runner fed from the
// editor's text, the options, the current groupings (or, while the
// groupings editor is open, the groupings being edited) and the set list of
// the last annotation. Keeps the pane up to date while it is shown.
class PreviewController : public QObject {
  Q_OBJECT
 public:
  // The pane goes into `splitter` after the editor.
  PreviewController(HuesetApp& app, AlignmentEditor* editor, AnnotateCommands* annotate,
                    GroupingsCommands* groupings, QSplitter* splitter);
  ~PreviewController() override;

  PreviewPane* pane() const { return m_pane; }
  // The conservation of every column above the pane; a click goes there.
  OverviewStrip* overviewStrip() const { return m_overview; }
  ThresholdBar* thresholdBar() const { return m_threshold; }
  // Where a column number or part of a sequence name is typed to go to.
  QLineEdit* goToField() const { return m_goTo; }
  PreviewRunner* runner() const { return m_runner; }
  // The pane's context menu and its commands.
  PreviewMenu* menu() const { return m_menu; }
  bool isShown() const { return m_settings.shown; }
  // The pane's state as the profile keeps it.
  PreviewSettings settings() const;
  void applySettings(const PreviewSettings& settings);

 public slots:
  void setShown(bool shown);
  // After a pause, for typing.
  void scheduleUpdate();
  // At once, for changed options and groupings.
  void updateNow();
  // Another document replaces the text: a figure of the last one no longer
  // stands for it, greyed or not.
  void documentReplaced() { ++m_source; }

 signals:
  void shownChanged(bool shown);
  // The threshold bar moved the consensus threshold of the options.
  void thresholdChanged();
  // For the status bar: what is under the mouse; empty off the cells.
  void statusText(const QString& text);

 private:
  void showOverview(const std::shared_ptr<const PreviewOutcome>& outcome);
  // Frames on the strip the columns the pane shows now.
  void updateOverviewView();

  HuesetApp& m_app;
  AlignmentEditor* m_editor;
  AnnotateCommands* m_annotate;
  QWidget* m_box;  // the threshold bar above the pane
  ThresholdBar* m_threshold;
  QLineEdit* m_goTo;
  PreviewPane* m_pane;
  OverviewStrip* m_overview;
  PreviewRunner* m_runner;
  PreviewMenu* m_menu;
  std::optional<GroupingSet> m_liveGroupings;  // the groupings editor's, while open
  PreviewSettings m_settings;
  std::uint64_t m_source = 0;  // PreviewInput::source of the runs
};

}  // namespace hueset::gui
