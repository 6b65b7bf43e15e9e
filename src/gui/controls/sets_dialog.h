#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/frame/command_ids.h"
#include "desktop/options/set_layout.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace hueset::gui {

// "Sort Alignment into Mulitple Sets": the sequences on the left, the sets
// on the right, built with the buttons or by dragging. The rules are the
// core's SetLayoutModel; this dialog shows it and forwards the user's
// actions.
class SetsDialog : public QDialog {
  Q_OBJECT
 public:
  // Dialog control ids.
  enum Control {
    kSourceList = 1000,
    kOutputList = 1001,
    kAddButton = 1002,
    kDropHint = 1003,
    kNewSetButton = 1004,
    kRemoveAllButton = 1005,
    kAddAllButton = 1006,
    kRemoveButton = 1007,
    kDuplicatesCheck = 1009,
    kMoveUpButton = 1010,
    kMoveDownButton = 1011,
    kDuplicatesNote = 1112,
    kHelpButton = static_cast<int>(Command::Help),  // the Help command's number
  };

  SetsDialog(std::vector<std::string> names, bool allowDuplicates,
             const std::vector<int>& startingLayout, QWidget* parent = nullptr);

  // The layout OK hands back.
  std::vector<int> layout() const { return m_model.layout(); }
  const SetLayoutModel& model() const { return m_model; }

  QTreeWidget* sourceList() const { return m_source; }
  QTreeWidget* outputList() const { return m_output; }
  QPushButton* button(Control id) const;
  QCheckBox* duplicatesCheck() const { return m_duplicates; }
  QLabel* duplicatesNote() const { return m_note; }
  QLabel* dropHint() const { return m_hint; }
  bool dragging() const { return m_drag != DragFrom::None; }
  int dropTarget() const { return m_target; }
  bool autoScrolling() const { return m_scrollTimer.isActive(); }

 signals:
  void helpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  enum class DragFrom { None, Source, Output };

  struct Buttons;
  void build();
  Buttons makeButtons();
  void layOutControls(const Buttons& buttons);
  void connectControls(const Buttons& buttons);
  void refresh();
  void readSelections();
  void updateButtons();
  void act(void (SetLayoutModel::*action)());
  void newSet();

  void startDrag(DragFrom from);
  void dragTo(const QPoint& globalPos);
  void setTarget(int row);
  void scrollTick();
  void drop(const QPoint& globalPos);
  void endDrag();

  SetLayoutModel m_model;
  QTreeWidget* m_source = nullptr;
  QTreeWidget* m_output = nullptr;
  QCheckBox* m_duplicates = nullptr;
  QLabel* m_note = nullptr;
  QLabel* m_hint = nullptr;
  QLabel* m_dragImage = nullptr;
  bool m_refreshing = false;

  DragFrom m_pressIn = DragFrom::None;
  QPoint m_pressAt;
  DragFrom m_drag = DragFrom::None;
  int m_target = -1;
  int m_scrollDirection = 0;
  QTimer m_scrollTimer;
};

// Shows the dialog modally. `startingLayout` empty gives one set of every
// sequence; `help` runs when the Help button is pressed. None when the user
// cancels.
std::optional<std::vector<int>> runSetsDialog(QWidget* parent,
                                              const std::vector<std::string>& names,
                                              bool allowDuplicates,
                                              const std::vector<int>& startingLayout,
                                              const std::function<void()>& help = {});

}  // namespace hueset::gui
