#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

#include "desktop/command_ids.h"
#include "gui/app/alignment_document.h"
#include "gui/app/help_window.h"
#include "gui/app/hueset_app.h"
#include "gui/app/toolbar_icons.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/annotate_commands.h"
#include "gui/controls/about_box.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/settings/options_command.h"
#include "desktop/annotation_file.h"
#include "desktop/frame_texts.h"
#include "desktop/help_topics.h"

namespace hueset::gui {
namespace {

// The menu text without mnemonics, blanks or ellipsis: the tooltip.
QString toolTipText(QString text) {
  text.remove(QLatin1Char('&'));
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  if (text.endsWith(QStringLiteral("..."))) text.chop(3);
  return text.trimmed();
}

const QString kMissingFile = QStringLiteral(
    "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.");
const QString kFailedToOpen = QStringLiteral("Failed to open document.");
const QString kAskToSave = QStringLiteral("Save changes to %1?");

// Shift+F1 mode: a click on a command shows its prompt with a link to its help.
QString whatsThisText(int command, const QString& prompt) {
  return QStringLiteral("%1<br><a href=\"help:%2\">More help on this command</a>")
      .arg(prompt.toHtmlEscaped())
      .arg(kCommandHelpBase + command);
}

}  // namespace

MainWindow::MainWindow(HuesetApp& app)
    : m_app(app), m_document(new AlignmentDocument(this)), m_editor(new AlignmentEditor(app.prompts(), m_document, this)),
      m_annotate(new AnnotateCommands(app, m_editor)) {
  setWindowIcon(applicationIcon());
  setCentralWidget(m_editor);
  setAcceptDrops(true);

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();

  connect(m_document, &AlignmentDocument::pathChanged, this, &MainWindow::updateCaption);
  connect(m_document->textDocument(), &QTextDocument::contentsChanged, this,
          &MainWindow::updateAnnotateCommands);
  connect(m_editor, &AlignmentEditor::filesDropped, this, &MainWindow::openDroppedFiles);
  connect(&m_app, &HuesetApp::configurationChanged, this, &MainWindow::updateCaption);
  connect(m_groupings, &GroupingsCommands::stateChanged, this, &MainWindow::updateCaption);
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    connect(clipboard, &QClipboard::dataChanged, this, &MainWindow::updatePaste);
  }
  qApp->installEventFilter(this);

  updateAnnotateCommands();
  updatePaste();
  updateCaption();
  updateIdleText();
  updateRecentFiles();
  resize(820, 600);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(int command) const {
  auto it = m_actions.find(command);
  return it == m_actions.end() ? nullptr : it->second;
}

QAction* MainWindow::addCommand(int command, const QString& text, const QList<QKeySequence>& keys,
                                const QString& prompt) {
  auto* a = new QAction(text, this);
  a->setShortcuts(keys);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setStatusTip(prompt);
  a->setToolTip(toolTipText(text));
  a->setWhatsThis(whatsThisText(command, prompt));
  a->setData(command);
  a->setIcon(commandIcon(command));
  a->setIconVisibleInMenu(false);
  addAction(a);  // keys work while the menus and toolbar are hidden too
  m_actions[command] = a;
  return a;
}

void MainWindow::createActions() {
  using K = QKeySequence;
  const auto ctrl = Qt::CTRL;
  const auto shift = Qt::SHIFT;
  const auto alt = Qt::ALT;

  connect(addCommand(kFileNew, QStringLiteral("&New"), {K(ctrl | Qt::Key_N)},
                     QStringLiteral("Create a new document")),
          &QAction::triggered, this, &MainWindow::fileNew);
  connect(addCommand(kFileOpen, QStringLiteral("&Open..."), {K(ctrl | Qt::Key_O)},
                     QStringLiteral("Open an existing document")),
          &QAction::triggered, this, &MainWindow::fileOpen);
  connect(addCommand(kFileSave, QStringLiteral("&Save"), {K(ctrl | Qt::Key_S)},
                     QStringLiteral("Save the active document")),
          &QAction::triggered, this, [this] { fileSave(); });
  connect(addCommand(kFileSaveAs, QStringLiteral("Save &As..."), {},
                     QStringLiteral("Save the active document with a new name")),
          &QAction::triggered, this, [this] { fileSaveAs(); });
  m_recentPlaceholder = addCommand(kFileMruFirst, QStringLiteral("Recent File"), {},
                                   QStringLiteral("Open this document"));
  connect(addCommand(kAppExit, QStringLiteral("E&xit"), {},
                     QStringLiteral("Quit the application; prompts to save documents")),
          &QAction::triggered, this, &QWidget::close);

  connect(addCommand(kEditUndo, QStringLiteral("&Undo"),
                     {K(ctrl | Qt::Key_Z), K(alt | Qt::Key_Backspace)},
                     QStringLiteral("Undo the last action")),
          &QAction::triggered, m_editor, &QPlainTextEdit::undo);
  connect(addCommand(kEditCut, QStringLiteral("Cu&t"),
                     {K(ctrl | Qt::Key_X), K(shift | Qt::Key_Delete)},
                     QStringLiteral("Cut the selection and put it on the Clipboard")),
          &QAction::triggered, m_editor, &QPlainTextEdit::cut);
  connect(addCommand(kEditCopy, QStringLiteral("&Copy"),
                     {K(ctrl | Qt::Key_C), K(ctrl | Qt::Key_Insert)},
                     QStringLiteral("Copy the selection and put it on the Clipboard")),
          &QAction::triggered, m_editor, &QPlainTextEdit::copy);
  connect(addCommand(kEditPaste, QStringLiteral("&Paste"),
                     {K(ctrl | Qt::Key_V), K(shift | Qt::Key_Insert)},
                     QStringLiteral("Insert Clipboard contents")),
          &QAction::triggered, m_editor, &AlignmentEditor::pasteText);
  connect(addCommand(kEditSelectAll, QStringLiteral("Select A&ll"), {K(ctrl | Qt::Key_A)},
                     QStringLiteral("Select the entire document")),
          &QAction::triggered, m_editor, &QPlainTextEdit::selectAll);
  action(kEditUndo)->setEnabled(false);
  action(kEditCut)->setEnabled(false);
  action(kEditCopy)->setEnabled(false);
  connect(m_editor, &QPlainTextEdit::undoAvailable, action(kEditUndo), &QAction::setEnabled);
  connect(m_editor, &QPlainTextEdit::copyAvailable, action(kEditCut), &QAction::setEnabled);
  connect(m_editor, &QPlainTextEdit::copyAvailable, action(kEditCopy), &QAction::setEnabled);

  connect(addCommand(kAnnotateToWord, QStringLiteral("To MS &Word"), {K(ctrl | shift | Qt::Key_W)},
                     QStringLiteral("Copy annotated sequences to a new Microsoft Word document.")),
          &QAction::triggered, m_annotate, &AnnotateCommands::toWord);
  connect(addCommand(kAnnotateToRtfClipboard, QStringLiteral("To &Clipboard as &RTF"),
                     {K(ctrl | shift | Qt::Key_C)},
                     QStringLiteral("Copy annotated sequences to the clipboard in Rich Text Format")),
          &QAction::triggered, m_annotate, &AnnotateCommands::toRtfClipboard);
  connect(addCommand(kAnnotateToHtmlClipboard, QStringLiteral("To Clipboard as &HTML"),
                     {K(ctrl | shift | Qt::Key_H)},
                     QStringLiteral("Copy annotated sequences to the clipboard in HTML format")),
          &QAction::triggered, m_annotate, &AnnotateCommands::toHtmlClipboard);
  connect(addCommand(kCopyStyleSheet,
                     QStringLiteral("          Copy HTML Style Sheet To") + QChar(0x00A0) +
                         QStringLiteral("Clipboard"),
                     {},
                     QStringLiteral("Copy the HTML style sheet (CSS) for the current Residue "
                                    "Groupings to the clipboard.")),
          &QAction::triggered, m_annotate, &AnnotateCommands::copyStyleSheet);
  connect(addCommand(kAnnotateToFile, QStringLiteral("To &File"), {K(ctrl | shift | Qt::Key_F)},
                     QStringLiteral("Write the annotated sequences to a file.")),
          &QAction::triggered, m_annotate, &AnnotateCommands::toFile);
  action(kAnnotateToRtfClipboard)->setToolTip(QStringLiteral("Annotate as RTF"));
  action(kAnnotateToHtmlClipboard)->setToolTip(QStringLiteral("Annotate as HTML"));
  action(kAnnotateToWord)->setToolTip(QStringLiteral("Annotate To MS Word"));
  action(kAnnotateToFile)->setToolTip(QStringLiteral("Annotate To File"));

  // Present but disabled until their handlers take them: the residue
  // groupings commands (GroupingsCommands::attach) and the options.
  const struct {
    int command;
    const char* text;
    QList<QKeySequence> keys;
    const char* prompt;
  } later[] = {
      {kGroupingsEdit, "&Edit", {K(ctrl | Qt::Key_E)}, "Edit the current Residue Groupings"},
      {kGroupingsOpen, "&Open...", {K(ctrl | shift | Qt::Key_O)}, "Open a Residue Groupings configuration file"},
      {kGroupingsReload, "&Reload", {K(ctrl | shift | Qt::Key_R)}, "Reload the Residue Groupings from their file"},
      {kGroupingsSaveAs, "Save &As...", {K(ctrl | shift | Qt::Key_S)}, "Save the Residue Groupings under a new name"},
      {kGroupingsDefaults, "Use &Defaults", {K(ctrl | shift | Qt::Key_D)}, "Use the built-in colour Residue Groupings"},
      {kGroupingsBlackWhite, "Use &Black && White Defaults", {K(ctrl | shift | Qt::Key_B)}, "Use the built-in black and white Residue Groupings"},
      {kGroupingsMruFirst, "Recent Configurations", {}, "Open this configuration file"},
      {kOptions, "&Options...", {K(ctrl | shift | Qt::Key_P)}, "Set annotation parameters"},
  };
  for (const auto& c : later) {
    addCommand(c.command, toQString(c.text), c.keys, toQString(c.prompt))
        ->setEnabled(false);
  }
  action(kGroupingsEdit)->setToolTip(QStringLiteral("Residue Groupings Editor"));
  action(kOptions)->setToolTip(QStringLiteral("Programme Options"));

  QAction* toolbar = addCommand(kViewToolbar, QStringLiteral("&Toolbar"), {},
                                QStringLiteral("Show or hide the toolbar"));
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  QAction* status = addCommand(kViewStatusBar, QStringLiteral("&Status Bar"), {},
                               QStringLiteral("Show or hide the status bar"));
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

  connect(addCommand(kHelpFinder, QStringLiteral("&Help Topics"), {},
                     QStringLiteral("List Help topics")),
          &QAction::triggered, this, [this] { help(kDefaultHelpContext); });
  connect(addCommand(kContextHelp, QStringLiteral("What's This?"), {K(shift | Qt::Key_F1)},
                     QStringLiteral("Display help for clicked on buttons, menus and windows")),
          &QAction::triggered, this, &MainWindow::contextHelp);
  connect(addCommand(kRunTutorial, QStringLiteral("Run Tutorial"), {},
                     QStringLiteral("Work through a first annotation step by step")),
          &QAction::triggered, this, &MainWindow::runTutorial);
  connect(addCommand(kAppAbout, QStringLiteral("&About HUESET..."), {},
                     QStringLiteral("Display program information, version number and copyright")),
          &QAction::triggered, this, [this] { showAboutBox(this); });
  action(kContextHelp)->setToolTip(QStringLiteral("Help"));
  action(kAppAbout)->setToolTip(QStringLiteral("About"));
  connect(addCommand(kHelp, QStringLiteral("Help"), {K(Qt::Key_F1)},
                     QStringLiteral("Display help for current task or command")),
          &QAction::triggered, this, [this] { help(kDefaultHelpContext); });
}

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  m_fileMenu = bar->addMenu(QStringLiteral("&File"));
  m_fileMenu->addAction(action(kFileNew));
  m_fileMenu->addAction(action(kFileOpen));
  m_fileMenu->addAction(action(kFileSave));
  m_fileMenu->addAction(action(kFileSaveAs));
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(m_recentPlaceholder);
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(action(kAppExit));
  connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentFiles);

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->addAction(action(kEditUndo));
  edit->addSeparator();
  edit->addAction(action(kEditCut));
  edit->addAction(action(kEditCopy));
  edit->addAction(action(kEditPaste));
  edit->addAction(action(kEditSelectAll));

  QMenu* annotate = bar->addMenu(QStringLiteral("&Annotate Alignment"));
  annotate->addAction(action(kAnnotateToWord));
  annotate->addAction(action(kAnnotateToRtfClipboard));
  annotate->addAction(action(kAnnotateToHtmlClipboard));
  annotate->addAction(action(kCopyStyleSheet));
  annotate->addAction(action(kAnnotateToFile));

  QMenu* groupings = bar->addMenu(QStringLiteral("&Residue Groupings"));
  groupings->addAction(action(kGroupingsEdit));
  groupings->addSeparator();
  groupings->addAction(action(kGroupingsOpen));
  groupings->addAction(action(kGroupingsReload));
  groupings->addAction(action(kGroupingsSaveAs));
  groupings->addSeparator();
  groupings->addAction(action(kGroupingsDefaults));
  groupings->addAction(action(kGroupingsBlackWhite));
  groupings->addSeparator();
  groupings->addAction(action(kGroupingsMruFirst));
  m_groupings = new GroupingsCommands(m_app.configuration(), m_app.options(), m_app.prompts(), this);
  m_groupings->attach([this](int command) { return action(command); }, groupings);

  QMenu* configure = bar->addMenu(QStringLiteral("&Configure"));
  configure->addAction(action(kOptions));
  // The options sheet; what it changes shows at once.
  auto* options = new OptionsCommand(m_app.options(), this);
  action(kOptions)->setEnabled(true);
  connect(action(kOptions), &QAction::triggered, options,
          [this, options] { options->showOptions(m_app.editorFont()); });
  connect(options, &OptionsCommand::applied, this, [this](bool toolbarSizeChanged, const QFont& font) {
    if (toolbarSizeChanged) setLargeToolbarButtons(m_app.options().general.largeToolbarButtons);
    m_app.setEditorFont(font);
    setEditorFont(font);
    updateIdleText();
  });

  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  view->addAction(action(kViewToolbar));
  view->addAction(action(kViewStatusBar));

  QMenu* helpMenu = bar->addMenu(QStringLiteral("&Help"));
  helpMenu->addAction(action(kHelpFinder));
  helpMenu->addAction(action(kContextHelp));
  helpMenu->addAction(action(kRunTutorial));
  helpMenu->addSeparator();
  helpMenu->addAction(action(kAppAbout));
}

void MainWindow::createToolBar() {
  m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
  m_toolBar->setObjectName(QStringLiteral("StandardToolBar"));
  m_toolBar->setMovable(true);
  m_toolBar->setFloatable(true);
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const int groups[][4] = {
      {kFileNew, kFileOpen, kFileSave, 0},
      {kEditCut, kEditCopy, kEditPaste, 0},
      {kAnnotateToWord, kAnnotateToRtfClipboard, kAnnotateToHtmlClipboard, kAnnotateToFile},
      {kGroupingsEdit, kOptions, 0, 0},
      {kAppAbout, kContextHelp, 0, 0},
  };
  bool first = true;
  for (const auto& group : groups) {
    if (!first) m_toolBar->addSeparator();
    first = false;
    for (int command : group) {
      if (command) m_toolBar->addAction(action(command));
    }
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  setLargeToolbarButtons(m_app.options().general.largeToolbarButtons);

  QAction* toggle = action(kViewToolbar);
  connect(toggle, &QAction::toggled, m_toolBar, &QToolBar::setVisible);
  connect(m_toolBar, &QToolBar::visibilityChanged, toggle, [toggle](bool visible) {
    if (toggle->isChecked() != visible) toggle->setChecked(visible);
  });
}

void MainWindow::setLargeToolbarButtons(bool large) {
  m_toolBar->setIconSize(large ? QSize(32, 32) : QSize(16, 15));
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  m_idleLabel = new QLabel(bar);
  bar->addWidget(m_idleLabel, 1);
  // The lock-key indicators, greyed: the desktop does not say their state.
  for (const char* text : {"CAP", "NUM", "SCRL"}) {
    auto* indicator = new QLabel(toQString(text), bar);
    indicator->setEnabled(false);
    indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    bar->addPermanentWidget(indicator);
  }
}

void MainWindow::updateIdleText() {
  const AnnotationOptions& a = m_app.options().annotation;
  m_idleLabel->setText(
      toQString(idleStatusText(a.consensusThreshold, a.elisionThreshold, a.minimumElisionLength)));
}

void MainWindow::updateCaption() {
  CaptionParts parts;
  parts.documentTitle = toPathBytes(m_document->title());
  parts.configurationTitle = m_app.configuration().title;
  setWindowTitle(toQPath(frameCaption(parts)));
}

void MainWindow::updateAnnotateCommands() {
  const bool enabled = m_annotate->enabled();
  for (int command : {kAnnotateToWord, kAnnotateToRtfClipboard, kAnnotateToHtmlClipboard,
                      kAnnotateToFile}) {
    action(command)->setEnabled(enabled);
  }
}

void MainWindow::updatePaste() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  action(kEditPaste)->setEnabled(data && data->hasText());
}

void MainWindow::updateRecentFiles() {
  for (QAction* a : m_recentActions) {
    m_fileMenu->removeAction(a);
    a->deleteLater();
  }
  m_recentActions.clear();
  auto& recent = m_app.options().recentDocuments;
  const bool any = recent && !recent->empty();
  m_recentPlaceholder->setVisible(!any);
  m_recentPlaceholder->setEnabled(false);
  if (!any) return;
  const std::string current = toPathBytes(QDir::currentPath());
  for (std::size_t i = 0; i < recent->size(); ++i) {
    QString name = toQPath(recent->displayName(i, current));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name)
                         : QStringLiteral("1&0 %1").arg(name);
    auto* a = new QAction(text, this);
    a->setStatusTip(QStringLiteral("Open this document"));
    const QString path = toQPath(recent->entries()[i]);
    connect(a, &QAction::triggered, this, [this, path] { openDocumentFile(path); });
    m_fileMenu->insertAction(m_recentPlaceholder, a);
    m_recentActions << a;
  }
}

void MainWindow::setEditorFont(const QFont& font) { m_editor->setFont(font); }

void MainWindow::reportOpenFailure(const QString& path, const QString& reason) {
  Q_UNUSED(reason);
  QString text;
  QFileInfo info(path);
  if (!info.exists()) {
    text = kMissingFile.arg(path);
  } else if (!info.isReadable()) {
    text = toQPath(saveErrorMessage(SaveFailure::AccessDenied, toPathBytes(path)));
  } else {
    text = kFailedToOpen;
  }
  m_app.prompts().message(this, QStringLiteral("HUESET"), text, PromptIcon::Exclamation,
                          PromptButtons::Ok);
}

bool MainWindow::openDocumentFile(const QString& path) {
  if (!saveModified()) return false;
  QString error;
  const QString full = QFileInfo(path).absoluteFilePath();
  auto& recent = m_app.options().recentDocuments;
  if (!m_document->load(full, &error)) {
    reportOpenFailure(full, error);
    if (recent) {
      const auto& entries = recent->entries();
      auto it = std::find(entries.begin(), entries.end(), toPathBytes(full));
      if (it != entries.end()) recent->remove(static_cast<std::size_t>(it - entries.begin()));
    }
    updateRecentFiles();
    return false;
  }
  if (recent) recent->add(toPathBytes(full));
  updateRecentFiles();
  updateCaption();
  return true;
}

bool MainWindow::saveModified() {
  if (!m_document->isModified()) return true;
  QString name = m_document->path().isEmpty() ? m_document->title() : m_document->path();
  switch (m_app.prompts().message(this, QStringLiteral("HUESET"), kAskToSave.arg(name),
                                  PromptIcon::Exclamation,
                                  PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
      return fileSave();
    case PromptAnswer::No:
      return true;
    default:
      return false;
  }
}

void MainWindow::fileNew() {
  if (!saveModified()) return;
  m_document->clear();
  updateCaption();
}

void MainWindow::fileOpen() {
  QString path = m_app.prompts().chooseDocumentToOpen(this, QDir::currentPath());
  if (path.isEmpty()) return;
  if (openDocumentFile(path)) QDir::setCurrent(QFileInfo(path).absolutePath());
}

bool MainWindow::fileSave() {
  if (m_document->path().isEmpty()) return fileSaveAs();
  QString error;
  if (m_document->save(m_document->path(), &error)) return true;
  showSaveFailure(m_app.prompts(), this, toPathBytes(m_document->path()));
  return false;
}

bool MainWindow::fileSaveAs() {
  QString proposed = m_document->path();
  if (proposed.isEmpty()) proposed = QDir::current().filePath(m_document->title() + QStringLiteral(".msf"));
  QString chosen = m_app.prompts().chooseDocumentToSave(this, proposed);
  if (chosen.isEmpty()) return false;
  chosen = QFileInfo(toQPath(cleanChosenFileName(toPathBytes(chosen)))).absoluteFilePath();
  QString error;
  if (!m_document->save(chosen, &error)) {
    showSaveFailure(m_app.prompts(), this, toPathBytes(chosen));
    return false;
  }
  if (auto& recent = m_app.options().recentDocuments) recent->add(toPathBytes(chosen));
  QDir::setCurrent(QFileInfo(chosen).absolutePath());
  updateRecentFiles();
  updateCaption();
  return true;
}

void MainWindow::showHelpPage(const QString& page) {
  const QString folder = findHelpFolder();
  if (folder.isEmpty()) {
    m_app.prompts().showInstallHelp(this);
    return;
  }
  // A modal dialog asking for help would block the main window: the
  // page opens in a window of the dialog's own, closed with it.
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
    auto* window = new HelpWindow(folder, modal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showPage(page);
    window->show();
    return;
  }
  if (!m_helpWindow || m_helpWindow->folder() != folder) {
    delete m_helpWindow;
    m_helpWindow = new HelpWindow(folder, this);
    m_helpWindow->setWindowFlag(Qt::Window, true);
  }
  m_helpWindow->showPage(page);
  m_helpWindow->show();
  m_helpWindow->raise();
  m_helpWindow->activateWindow();
}

void MainWindow::help(int context) {
  if (m_helpBusy) return;
  QScopedValueRollback<bool> busy(m_helpBusy, true);
  showHelpPage(toQString(helpPageForContext(context)));
}

void MainWindow::runTutorial() {
  if (m_tutorialBusy) return;
  QScopedValueRollback<bool> busy(m_tutorialBusy, true);
  showHelpPage(toQString(helpPageForContext(kTutorialHelpContext)));
}

void MainWindow::contextHelp() { QWhatsThis::enterWhatsThisMode(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WhatsThisClicked) {
    const QString href = static_cast<QWhatsThisClickedEvent*>(event)->href();
    if (href.startsWith(QStringLiteral("help:"))) {
      help(href.mid(5).toInt());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_groupings->promptSaveChanges() && saveModified()) {
    if (m_helpWindow) m_helpWindow->close();
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = localFiles(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  openDroppedFiles(paths);
}

void MainWindow::openDroppedFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  activateWindow();
  openDocumentFile(paths.first());
}

}  // namespace hueset::gui
