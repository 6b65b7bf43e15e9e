#include "gui/settings/options_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/options/options_pages.h"
#include "gui/controls/validating_field.h"

namespace hueset::gui {
namespace {

// The first control of `page` that the Tab key reaches.
QWidget* firstControl(QWidget* page) {
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && w->isVisibleTo(page) && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus)) {
      // In a group of radio buttons, the selected one.
      auto* button = qobject_cast<QAbstractButton*>(w);
      if (button && button->group() && button->group()->checkedButton()) {
        return button->group()->checkedButton();
      }
      return w;
    }
  }
  return nullptr;
}

}  // namespace

OptionsDialog::OptionsDialog(const QString& caption, QWidget* parent)
    : QDialog(parent),
      m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_ok(m_buttons->button(QDialogButtonBox::Ok)),
      m_cancel(m_buttons->button(QDialogButtonBox::Cancel)) {
  setWindowTitle(caption);
  setControlId(m_ok, kOkControlId);
  setControlId(m_cancel, kCancelControlId);
  // Every tab in sight: the sheet grows to hold them rather than scroll them.
  m_tabs->setUsesScrollButtons(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs, 1);
  layout->addWidget(m_buttons);
  connect(m_buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
  connect(m_buttons, &QDialogButtonBox::rejected, this, &OptionsDialog::reject);
  connect(m_tabs, &QTabWidget::currentChanged, this, &OptionsDialog::pageChanged);
}

void OptionsDialog::addPage(PropertyPage* page, const QString& caption) {
  QScopedValueRollback<bool> guard(m_switching, true);
  m_tabs->addTab(page, caption);
  m_current = m_tabs->currentIndex();
}

int OptionsDialog::pageCount() const { return m_tabs->count(); }

PropertyPage* OptionsDialog::page(int index) const {
  return qobject_cast<PropertyPage*>(m_tabs->widget(index));
}

int OptionsDialog::activeIndex() const { return m_tabs->currentIndex(); }

bool OptionsDialog::setActivePage(int index) {
  if (index < 0 || index >= pageCount()) return false;
  if (!isVisible()) {
    // The page to open on: nothing has been edited yet, so nothing is read.
    moveTo(index);
    m_current = index;
    return true;
  }
  m_tabs->setCurrentIndex(index);
  return activeIndex() == index;
}

void OptionsDialog::moveTo(int index) {
  QScopedValueRollback<bool> guard(m_switching, true);
  m_tabs->setCurrentIndex(index);
}

void OptionsDialog::pageChanged(int index) {
  if (m_switching) return;
  const int from = m_current;
  if (from >= 0 && from != index) {
    // The tab widget has already switched: go back to the page being left
    // while it is read, so that a refusal shows on it with its field focused.
    moveTo(from);
    if (PropertyPage* leaving = page(from); leaving && !leaving->onKillActive()) return;
    moveTo(index);
  }
  m_current = index;
  PropertyPage* entered = page(index);
  if (!entered) return;
  entered->onSetActive();
  // The focus followed the page: put it where opening the sheet would.
  if (QWidget* focus = QApplication::focusWidget(); focus && entered->isAncestorOf(focus)) {
    if (QWidget* first = firstControl(entered)) first->setFocus(Qt::TabFocusReason);
  }
}

void OptionsDialog::fitPages() {
  // A tab widget sizes itself by its pages' size hints, which do not allow
  // for texts that wrap: give every page the height its texts need at the
  // common width.
  int width = m_pageWidth;
  for (int i = 0; i < pageCount(); ++i) {
    width = std::max(width, page(i)->minimumSizeHint().width());
  }
  for (int i = 0; i < pageCount(); ++i) {
    PropertyPage* p = page(i);
    const int height = p->hasHeightForWidth() ? p->heightForWidth(width) : p->sizeHint().height();
    p->setMinimumSize(width, std::max(height, p->minimumSizeHint().height()));
  }
  m_fitted = true;
  adjustSize();
}

void OptionsDialog::showEvent(QShowEvent* event) {
  if (!m_fitted) {
    fitPages();
    // The sheet opens with the first control of its page ready for typing.
    if (PropertyPage* active = activePage()) {
      if (QWidget* first = firstControl(active)) first->setFocus(Qt::TabFocusReason);
    }
  }
  QDialog::showEvent(event);
}

void OptionsDialog::accept() {
  if (PropertyPage* active = activePage(); active && !active->onKillActive()) return;
  QDialog::accept();
}

void OptionsDialog::done(int result) {
  m_lastActivePage = activeIndex();
  QDialog::done(result);
}

}  // namespace hueset::gui
