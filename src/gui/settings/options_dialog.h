#pragma once

#include <QDialog>
#include <QWidget>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace hueset::gui {

// A page of a tabbed sheet. Leaving the page (another tab, or OK while it
// is active) reads its controls; a refusal keeps it active.
class PropertyPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // The page becomes active (not called for the page the sheet opens on
  // before it is shown).
  virtual void onSetActive() {}
  // False keeps the page active; the page has said why.
  virtual bool onKillActive() { return true; }
};

// A tabbed sheet with OK and Cancel that remembers which page was active
// when it closed.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OptionsDialog(const QString& caption, QWidget* parent = nullptr);

  // Takes `page` as the next tab.
  void addPage(PropertyPage* page, const QString& caption);
  int pageCount() const;
  PropertyPage* page(int index) const;
  int activeIndex() const;
  PropertyPage* activePage() const { return page(activeIndex()); }
  // Makes a page active as a click on its tab does: the page being left
  // must let go first. False when it did not. Before the sheet shows, this
  // only chooses the page it opens on.
  bool setActivePage(int index);

  // The page that was active when the sheet closed (0 until then).
  int lastActivePage() const { return m_lastActivePage; }

  // Pages are laid out for one width, at least this wide, before the sheet
  // first shows, each tall enough for its wrapped texts.
  void setPageWidth(int width) { m_pageWidth = width; }
  void fitPages();

  QTabWidget* tabs() const { return m_tabs; }
  QPushButton* okButton() const { return m_ok; }
  QPushButton* cancelButton() const { return m_cancel; }

 public slots:
  void accept() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void pageChanged(int index);
  void moveTo(int index);

  QTabWidget* m_tabs;
  QDialogButtonBox* m_buttons;
  QPushButton* m_ok;
  QPushButton* m_cancel;
  int m_current = -1;
  bool m_switching = false;
  int m_lastActivePage = 0;
  int m_pageWidth = 0;
  bool m_fitted = false;
};

}  // namespace hueset::gui
