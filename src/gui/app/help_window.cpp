#include "gui/app/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/frame/help_topics.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {
QStringList helpFolderCandidates() {
  QStringList folders;
  QString fromEnvironment = qEnvironmentVariable("HUESET_HELP_DIR");
  if (!fromEnvironment.isEmpty()) return {fromEnvironment};
  QDir program(QCoreApplication::applicationDirPath());
  folders << program.filePath(QStringLiteral("help"));
  folders << QDir::cleanPath(program.filePath(QStringLiteral("../share/hueset/help")));
  return folders;
}

QString findHelpFolder() {
  for (const QString& folder : helpFolderCandidates()) {
    if (QFileInfo(QDir(folder).filePath(toQString(kHelpContentsPage))).isFile()) return folder;
  }
  return {};
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent), m_folder(folder), m_browser(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("HUESET Help"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  m_browser->setSearchPaths({folder});
  m_browser->setOpenExternalLinks(true);
  setCentralWidget(m_browser);

  QToolBar* bar = addToolBar(QStringLiteral("Help"));
  bar->setMovable(false);
  QAction* back = bar->addAction(QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
  QAction* forward = bar->addAction(QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
  bar->addAction(QStringLiteral("Contents"), this,
                 [this] { showPage(toQString(kHelpContentsPage)); });
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
    QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("HUESET Help")
                                   : QStringLiteral("HUESET Help - %1").arg(title));
  });
  resize(720, 600);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void HelpWindow::showPage(const QString& page) {
  QString file = page.section(QLatin1Char('#'), 0, 0);
  QString anchor = page.section(QLatin1Char('#'), 1);
  QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(file));
  if (!anchor.isEmpty()) url.setFragment(anchor);
  m_browser->setSource(url);
}

InstallHelpDialog::InstallHelpDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Please install help system"));
  auto* text =
      new QLabel(QStringLiteral("The help pages of HUESET could not be found.\n\n"
                                "They are installed with the program; please reinstall HUESET, "
                                "or set HUESET_HELP_DIR to the folder that holds them. "
                                "HUESET looked in:"),
                 this);
  text->setWordWrap(true);
  QStringList links;
  for (const QString& folder : helpFolderCandidates()) {
    links << QStringLiteral("<a href=\"%1\">%2</a>")
                 .arg(QUrl::fromLocalFile(folder).toString().toHtmlEscaped(),
                      folder.toHtmlEscaped());
  }
  auto* where = new QLabel(links.join(QStringLiteral("<br>")), this);
  where->setTextFormat(Qt::RichText);
  where->setTextInteractionFlags(Qt::TextBrowserInteraction);
  where->setOpenExternalLinks(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(where);
  layout->addWidget(buttons);
  resize(420, 200);
}

}  // namespace hueset::gui
