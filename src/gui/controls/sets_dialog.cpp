#include "gui/controls/sets_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/qt_text.h"
#include "gui/controls/validating_field.h"

namespace hueset::gui {
namespace {

constexpr int kValueRole = Qt::UserRole;

// Image 0 of the list: a set header; image 1: a sequence. Drawn here so no
// bitmap file is needed; light grey stays transparent.
QIcon listImage(bool header) {
  QPixmap pixmap(16, 15);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  if (header) {
    p.setPen(QColor(0x80, 0x80, 0x00));
    p.setBrush(QColor(0xFF, 0xE0, 0x70));
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
  } else {
    const QColor colours[] = {QColor(0xCC, 0x33, 0x33), QColor(0x33, 0x66, 0xCC),
                              QColor(0x33, 0x99, 0x33)};
    for (int i = 0; i < 3; ++i)
      p.fillRect(2 + i * 4, 3 + (i % 2) * 2, 3, 9 - (i % 2) * 2, colours[i]);
  }
  return QIcon(pixmap);
}

QTreeWidget* makeList(QWidget* parent, int id) {
  auto* list = new QTreeWidget(parent);
  setControlId(list, id);
  list->setColumnCount(1);
  list->setHeaderLabels({QStringLiteral("Sequence")});
  list->setColumnWidth(0, 200);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setIconSize(QSize(16, 15));
  // Pressing on a selection keeps it, so several items can be dragged; the
  // dialog runs the drag itself.
  list->setDragEnabled(true);
  list->setDragDropMode(QAbstractItemView::NoDragDrop);
  list->setMinimumSize(230, 240);
  return list;
}

void fill(QTreeWidget* list, const std::vector<SetLayoutModel::Item>& items,
          const std::vector<int>& selection) {
  const QIcon header = listImage(true);
  const QIcon sequence = listImage(false);
  list->clear();
  QList<QTreeWidgetItem*> rows;
  for (const SetLayoutModel::Item& item : items) {
    auto* row = new QTreeWidgetItem({toQString(item.text)});
    row->setIcon(0, item.isHeader() ? header : sequence);
    row->setData(0, kValueRole, item.value);
    rows << row;
  }
  list->addTopLevelItems(rows);
  for (int r : selection) {
    if (r >= 0 && r < rows.size()) rows[r]->setSelected(true);
  }
}

std::vector<int> selectedRows(const QTreeWidget* list) {
  std::vector<int> rows;
  for (QTreeWidgetItem* item : list->selectedItems())
    rows.push_back(list->indexOfTopLevelItem(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

SetsDialog::SetsDialog(std::vector<std::string> names, bool allowDuplicates,
                       const std::vector<int>& startingLayout, QWidget* parent)
    : QDialog(parent), m_model(std::move(names), allowDuplicates, startingLayout) {
  build();
  refresh();
}

QPushButton* SetsDialog::button(Control id) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (controlId(b) == id) return b;
  }
  return nullptr;
}

struct SetsDialog::Buttons {
  QPushButton* newSetButton = nullptr;
  QPushButton* addAllButton = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* removeButton = nullptr;
  QPushButton* removeAllButton = nullptr;
  QPushButton* upButton = nullptr;
  QPushButton* downButton = nullptr;
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* helpButton = nullptr;
};

void SetsDialog::build() {
  setWindowTitle(QStringLiteral("Sort Alignment into Mulitple Sets"));
  m_source = makeList(this, kSourceList);
  m_output = makeList(this, kOutputList);
  const Buttons buttons = makeButtons();

  m_duplicates = new QCheckBox(QStringLiteral("Sequences can belong to more than one set"), this);
  setControlId(m_duplicates, kDuplicatesCheck);
  m_note = new QLabel(this);
  setControlId(m_note, kDuplicatesNote);
  m_hint = new QLabel(this);
  setControlId(m_hint, kDropHint);
  m_hint->setMinimumWidth(200);

  layOutControls(buttons);
  connectControls(buttons);

  for (QTreeWidget* list : {m_source, m_output}) {
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this);
  }
  m_scrollTimer.setInterval(100);
  connect(&m_scrollTimer, &QTimer::timeout, this, &SetsDialog::scrollTick);
}

SetsDialog::Buttons SetsDialog::makeButtons() {
  Buttons buttons;
  auto makeButton = [this](int id, const QString& text, QStyle::StandardPixmap icon, QSize size) {
    auto* b = new QPushButton(style()->standardIcon(icon), text, this);
    b->setIconSize(size);
    b->setAutoDefault(false);
    setControlId(b, id);
    return b;
  };
  const QSize listButton(13, 13);
  const QSize smallButton(13, 12);
  buttons.newSetButton = makeButton(kNewSetButton, QStringLiteral("New &Set"),
                                    QStyle::SP_FileDialogNewFolder, listButton);
  buttons.addAllButton = makeButton(kAddAllButton, QStringLiteral("A&dd All"),
                                    QStyle::SP_MediaSeekForward, listButton);
  buttons.addButton =
      makeButton(kAddButton, QStringLiteral("&Add"), QStyle::SP_ArrowRight, listButton);
  buttons.removeButton =
      makeButton(kRemoveButton, QStringLiteral("&Remove"), QStyle::SP_ArrowLeft, listButton);
  buttons.removeAllButton = makeButton(kRemoveAllButton, QStringLiteral("Re&move All"),
                                       QStyle::SP_MediaSeekBackward, listButton);
  buttons.upButton =
      makeButton(kMoveUpButton, QStringLiteral("Move &Up"), QStyle::SP_ArrowUp, smallButton);
  buttons.downButton =
      makeButton(kMoveDownButton, QStringLiteral("Move &Down"), QStyle::SP_ArrowDown, smallButton);
  buttons.okButton = makeButton(1, QStringLiteral("OK"), QStyle::SP_DialogOkButton, smallButton);
  buttons.cancelButton =
      makeButton(2, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton, smallButton);
  buttons.helpButton =
      makeButton(kHelpButton, QStringLiteral("&Help"), QStyle::SP_DialogHelpButton, smallButton);
  buttons.okButton->setDefault(true);
  return buttons;
}

void SetsDialog::layOutControls(const Buttons& buttons) {
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (QPushButton* b : {buttons.newSetButton, buttons.addAllButton, buttons.addButton,
                         buttons.removeButton, buttons.removeAllButton}) {
    middle->addWidget(b);
  }
  middle->addStretch();
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  moves->addWidget(buttons.upButton);
  moves->addWidget(buttons.downButton);
  moves->addStretch();

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Source Alignment:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Output:"), this), 0, 2);
  grid->addWidget(m_source, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(m_output, 1, 2);
  grid->addLayout(moves, 1, 3);
  grid->addWidget(m_hint, 2, 2, 1, 2);

  auto* bottom = new QHBoxLayout;
  auto* checkColumn = new QVBoxLayout;
  checkColumn->addWidget(m_duplicates);
  checkColumn->addWidget(m_note);
  bottom->addLayout(checkColumn);
  bottom->addStretch();
  bottom->addWidget(buttons.okButton);
  bottom->addWidget(buttons.cancelButton);
  bottom->addWidget(buttons.helpButton);

  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(bottom);
}

void SetsDialog::connectControls(const Buttons& buttons) {
  connect(buttons.newSetButton, &QPushButton::clicked, this, &SetsDialog::newSet);
  connect(buttons.addAllButton, &QPushButton::clicked, this,
          [this] { act(&SetLayoutModel::addAll); });
  connect(buttons.addButton, &QPushButton::clicked, this, [this] { act(&SetLayoutModel::add); });
  connect(buttons.removeButton, &QPushButton::clicked, this,
          [this] { act(&SetLayoutModel::remove); });
  connect(buttons.removeAllButton, &QPushButton::clicked, this,
          [this] { act(&SetLayoutModel::removeAll); });
  connect(buttons.upButton, &QPushButton::clicked, this, [this] { act(&SetLayoutModel::moveUp); });
  connect(buttons.downButton, &QPushButton::clicked, this,
          [this] { act(&SetLayoutModel::moveDown); });
  connect(buttons.okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(buttons.helpButton, &QPushButton::clicked, this, &SetsDialog::helpRequested);
  connect(m_duplicates, &QCheckBox::toggled, this, [this](bool on) {
    if (m_refreshing) return;
    m_model.setAllowDuplicates(on);
    refresh();
  });
  connect(m_source, &QTreeWidget::itemSelectionChanged, this, &SetsDialog::readSelections);
  connect(m_output, &QTreeWidget::itemSelectionChanged, this, &SetsDialog::readSelections);
}

void SetsDialog::refresh() {
  m_refreshing = true;
  const int sourceScroll = m_source->verticalScrollBar()->value();
  const int outputScroll = m_output->verticalScrollBar()->value();
  fill(m_source, m_model.source(), m_model.sourceSelection());
  fill(m_output, m_model.output(), m_model.outputSelection());
  m_source->verticalScrollBar()->setValue(sourceScroll);
  m_output->verticalScrollBar()->setValue(outputScroll);
  for (QTreeWidget* list : {m_source, m_output}) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) list->scrollToItem(selected.front());
  }
  m_duplicates->setChecked(m_model.allowDuplicates());
  m_note->setText(toQString(m_model.duplicatesNote()));
  m_target = -1;
  m_refreshing = false;
  updateButtons();
}

void SetsDialog::readSelections() {
  if (m_refreshing) return;
  m_model.selectSource(selectedRows(m_source));
  m_model.selectOutput(selectedRows(m_output));
  updateButtons();
}

void SetsDialog::updateButtons() {
  if (QPushButton* add = button(kAddButton)) add->setEnabled(m_model.addEnabled());
  if (QPushButton* remove = button(kRemoveButton)) remove->setEnabled(m_model.removeEnabled());
}

void SetsDialog::act(void (SetLayoutModel::*action)()) {
  readSelections();
  (m_model.*action)();
  refresh();
}

void SetsDialog::newSet() {
  readSelections();
  const int row = m_model.newSet();
  refresh();
  if (QTreeWidgetItem* header = m_output->topLevelItem(row)) m_output->scrollToItem(header);
}

// Dragging

bool SetsDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == m_source || watched == m_output) && event->type() == QEvent::KeyPress) {
    if (dragging() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      endDrag();
      return true;
    }
    return false;
  }
  const DragFrom from = watched == m_source->viewport()   ? DragFrom::Source
                        : watched == m_output->viewport() ? DragFrom::Output
                                                          : DragFrom::None;
  if (from == DragFrom::None) return QDialog::eventFilter(watched, event);

  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        m_pressIn = from;
        m_pressAt = mouse->globalPosition().toPoint();
      }
      return false;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint global = mouse->globalPosition().toPoint();
      if (dragging()) {
        dragTo(global);
        return true;
      }
      if (m_pressIn == from && (mouse->buttons() & Qt::LeftButton) &&
          (global - m_pressAt).manhattanLength() >= QApplication::startDragDistance()) {
        readSelections();
        const bool anything =
            from == DragFrom::Source ? m_model.addEnabled() : m_model.removeEnabled();
        if (anything) {
          startDrag(from);
          dragTo(global);
          return true;
        }
      }
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      m_pressIn = DragFrom::None;
      if (dragging() && mouse->button() == Qt::LeftButton) {
        drop(mouse->globalPosition().toPoint());
        return true;
      }
      return false;
    }
    default: break;
  }
  return false;
}

void SetsDialog::changeEvent(QEvent* event) {
  // Another window taking over the mouse ends a drag without change.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && dragging()) endDrag();
  QDialog::changeEvent(event);
}

void SetsDialog::startDrag(DragFrom from) {
  m_drag = from;
  const QTreeWidget* list = from == DragFrom::Source ? m_source : m_output;
  QStringList names;
  for (int row : selectedRows(list)) {
    if (from == DragFrom::Output && row == 0) continue;  // the first header stays
    names << list->topLevelItem(row)->text(0).trimmed();
  }
  if (names.size() > 8) {
    const qsizetype more = names.size() - 7;
    names = names.mid(0, 7);
    names << QStringLiteral("(%1 more)").arg(more);
  }
  if (!m_dragImage) {
    m_dragImage = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
    m_dragImage->setFrameShape(QFrame::Box);
    m_dragImage->setMargin(3);
    m_dragImage->setAutoFillBackground(true);
  }
  m_dragImage->setText(names.join(QLatin1Char('\n')));
  m_dragImage->adjustSize();
  m_dragImage->show();
}

void SetsDialog::dragTo(const QPoint& global) {
  if (m_dragImage) m_dragImage->move(global + QPoint(14, 10));
  QWidget* viewport = m_output->viewport();
  const QPoint at = viewport->mapFromGlobal(global);
  const QRect area = viewport->rect();
  const bool inColumn = at.x() >= area.left() && at.x() <= area.right();
  const int direction = inColumn ? dragScrollDirection(at.y(), area.top(), area.bottom()) : 0;
  m_scrollDirection = direction;
  if (direction != 0) {
    if (!m_scrollTimer.isActive()) m_scrollTimer.start();
    return;  // the timer moves the target
  }
  m_scrollTimer.stop();
  if (!area.contains(at)) {
    setTarget(-1);
    return;
  }
  QTreeWidgetItem* item = m_output->itemAt(at);
  setTarget(item ? m_output->indexOfTopLevelItem(item) : m_output->topLevelItemCount() - 1);
}

void SetsDialog::setTarget(int row) {
  if (QTreeWidgetItem* old = m_output->topLevelItem(m_target)) {
    old->setData(0, Qt::BackgroundRole, QVariant());
    old->setData(0, Qt::ForegroundRole, QVariant());
  }
  m_target = row;
  if (QTreeWidgetItem* item = m_output->topLevelItem(row)) {
    item->setBackground(0, palette().brush(QPalette::Highlight));
    item->setForeground(0, palette().brush(QPalette::HighlightedText));
  }
  m_hint->setText(toQString(m_model.dropHint(row)));
}

void SetsDialog::scrollTick() {
  if (!dragging() || m_scrollDirection == 0) {
    m_scrollTimer.stop();
    return;
  }
  QScrollBar* bar = m_output->verticalScrollBar();
  bar->setValue(bar->value() + m_scrollDirection * bar->singleStep());
  // The target follows the scrolling: the first or the last visible row.
  const QRect area = m_output->viewport()->rect();
  QTreeWidgetItem* item = m_scrollDirection < 0 ? m_output->itemAt(QPoint(1, area.top() + 1))
                                                : m_output->itemAt(QPoint(1, area.bottom() - 1));
  const int last = m_output->topLevelItemCount() - 1;
  setTarget(item ? m_output->indexOfTopLevelItem(item) : last);
}

void SetsDialog::drop(const QPoint& global) {
  const QPoint at = m_output->viewport()->mapFromGlobal(global);
  const QRect area = m_output->viewport()->rect();
  const bool inColumn = at.x() >= area.left() && at.x() <= area.right();
  // Released over the output list (or above or below it while it scrolls):
  // the items go after the target, or to the end without one. Released
  // anywhere else, nothing changes.
  const bool overOutput = inColumn && (area.contains(at) || m_scrollDirection != 0);
  const DragFrom from = m_drag;
  const int target = m_target;
  endDrag();
  if (!overOutput) return;
  if (from == DragFrom::Source) {
    m_model.dropFromSource(target);
  } else {
    m_model.dropWithinOutput(target);
  }
  refresh();
}

void SetsDialog::endDrag() {
  m_scrollTimer.stop();
  m_scrollDirection = 0;
  setTarget(-1);
  if (m_dragImage) m_dragImage->hide();
  m_drag = DragFrom::None;
  m_pressIn = DragFrom::None;
}

std::optional<std::vector<int>> runSetsDialog(QWidget* parent,
                                              const std::vector<std::string>& names,
                                              bool allowDuplicates,
                                              const std::vector<int>& startingLayout,
                                              const std::function<void()>& help) {
  SetsDialog dialog(names, allowDuplicates, startingLayout, parent);
  if (help) QObject::connect(&dialog, &SetsDialog::helpRequested, &dialog, help);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.layout();
}

}  // namespace hueset::gui
