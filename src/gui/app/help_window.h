#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QString>

class QTextBrowser;

namespace hueset::gui {

// The folder holding the help pages: $HUESET_HELP_DIR when set, else "help"
// beside the program (a build tree), else share/hueset/help of the
// installation prefix. Returns the first that holds the contents page, or
// empty when the pages are missing.
QString findHelpFolder();
// Every folder that is looked in, in order.
QStringList helpFolderCandidates();

// The window that shows the help pages, with Back, Forward and Contents.
class HelpWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

  // Shows `page` (a file of the help folder, maybe with an anchor).
  void showPage(const QString& page);
  QTextBrowser* browser() const { return m_browser; }
  const QString& folder() const { return m_folder; }

 protected:
  // Esc closes the window, as it closes a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString m_folder;
  QTextBrowser* m_browser;
};

// Shown instead of the help when the help pages cannot be found.
class InstallHelpDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InstallHelpDialog(QWidget* parent = nullptr);
};

}  // namespace hueset::gui
