#include "gui/groupings/grouping_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace hueset::gui {

GroupingList::GroupingList(QWidget* parent) : QTreeWidget(parent) {}

bool GroupingList::wouldChangeSelection(QMouseEvent* event) const {
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return true;
  const QModelIndex index = indexAt(event->position().toPoint());
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return !(index.isValid() && selected.size() == 1 &&
           indexOfTopLevelItem(selected.front()) == index.row());
}

void GroupingList::mousePressEvent(QMouseEvent* event) {
  m_refused = wouldChangeSelection(event) && !allowed();
  if (m_refused) {
    event->accept();
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

void GroupingList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (m_refused || (wouldChangeSelection(event) && !allowed())) {
    event->accept();
    return;
  }
  QTreeWidget::mouseDoubleClickEvent(event);
}

void GroupingList::mouseMoveEvent(QMouseEvent* event) {
  if (m_refused && event->buttons() != Qt::NoButton) {
    event->accept();
    return;
  }
  QTreeWidget::mouseMoveEvent(event);
}

void GroupingList::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
      if (!allowed()) {
        event->accept();
        return;
      }
      break;
    default: break;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace hueset::gui
