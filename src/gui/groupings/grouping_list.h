#pragma once

#include <QTreeWidget>
#include <functional>

namespace hueset::gui {

// The list of the groupings editor. It asks before a click or a key moves
// the selection, so that an invalid row can keep it.
class GroupingList : public QTreeWidget {
  Q_OBJECT
 public:
  using Guard = std::function<bool()>;
  explicit GroupingList(QWidget* parent = nullptr);
  // Answers whether the selection may change now.
  void setGuard(Guard guard) { m_guard = std::move(guard); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool wouldChangeSelection(QMouseEvent* event) const;
  bool allowed() const { return !m_guard || m_guard(); }

  Guard m_guard;
  bool m_refused = false;
};

}  // namespace hueset::gui
