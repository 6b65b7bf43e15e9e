#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

#include "desktop/annotation/annotation_file.h"
#include "desktop/frame/command_ids.h"
#include "desktop/frame/frame_texts.h"
#include "desktop/frame/help_topics.h"
#include "gui/app/alignment_document.h"
#include "gui/app/alignment_editor.h"
#include "gui/app/annotate_commands.h"
#include "gui/app/annotation_runner.h"
#include "gui/app/help_window.h"
#include "gui/app/hueset_app.h"
#include "gui/app/preview_controller.h"
#include "gui/app/structure_command.h"
#include "gui/common/qt_text.h"
#include "gui/common/user_prompts.h"
#include "gui/controls/about_box.h"
#include "gui/controls/drawn_icons.h"
#include "gui/groupings/groupings_commands.h"
#include "gui/settings/options_command.h"
#include "input/document_text.h"
#include "util/file_reports.h"

namespace hueset::gui {
namespace {

// The menu text without mnemonics, blanks or ellipsis: the tooltip.
QString toolTipText(QString text) {
  text.remove(QLatin1Char('&'));
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  if (text.endsWith(QStringLiteral("..."))) text.chop(3);
  return text.trimmed();
}

const QString kAskToSave = QStringLiteral("Save changes to %1?");

// Shift+F1 mode: a click on a command shows its prompt with a link to its help.
QString whatsThisText(Command command, const QString& prompt) {
  return QStringLiteral("%1<br><a href=\"help:%2\">More help on this command</a>")
      .arg(prompt.toHtmlEscaped())
      .arg(commandHelpContext(command));
}

// Stands between groups of the items of a menu or the toolbar.
constexpr std::optional<Command> kSeparator;

}  // namespace

struct MainWindow::CommandRow {
  Command command;
  const char* text;  // the menu item
  QList<QKeySequence> keys;
  const char* prompt;   // the status bar's text for the item
  const char* toolTip;  // null: the menu text without mnemonics
  std::function<void()> run;
  std::function<void(bool)> toggle = {};  // a checked item that is shown or hidden
};

MainWindow::MainWindow(HuesetApp& app)
    : m_app(app),
      m_document(new AlignmentDocument(this)),
      m_editor(new AlignmentEditor(app.prompts(), m_document, this)),
      m_annotate(new AnnotateCommands(app, m_editor)),
      m_groupings(new GroupingsCommands(app.configuration(), app.options(), app.prompts(), this)),
      m_options(new OptionsCommand(app.options(), this)) {
  setWindowIcon(applicationIcon());
  m_annotate->setDocumentPath([this] { return m_document->path(); });
  m_annotate->setAfterReading([this] {
    const FigureLayoutOptions& layout = m_app.options().figureLayout;
    return attachStructures(m_document->structures(), layout.structureAccessibility,
                            layout.structureNumbering);
  });
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("EditorAndPreview"));
  splitter->addWidget(m_editor);
  splitter->setChildrenCollapsible(false);
  m_preview = new PreviewController(app, m_editor, m_annotate, m_groupings, splitter);
  setCentralWidget(splitter);
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
  // What the options sheet changes shows at once.
  connect(m_options, &OptionsCommand::applied, this,
          [this](bool toolbarSizeChanged, const QFont& font) {
            if (toolbarSizeChanged) {
              setLargeToolbarButtons(m_app.options().general.largeToolbarButtons);
            }
            m_app.setEditorFont(font);
            setEditorFont(font);
            updateIdleText();
            m_preview->updateNow();
          });
  connect(m_document, &AlignmentDocument::replaced, m_preview,
          &PreviewController::documentReplaced);
  connect(m_document, &AlignmentDocument::structuresChanged, m_preview,
          &PreviewController::updateNow);
  connect(m_document->textDocument(), &QTextDocument::contentsChanged, m_preview,
          &PreviewController::scheduleUpdate);
  connect(m_preview, &PreviewController::thresholdChanged, this, &MainWindow::updateIdleText);
  connect(m_preview, &PreviewController::statusText, this, [this](const QString& text) {
    if (text.isEmpty()) {
      statusBar()->clearMessage();
    } else {
      statusBar()->showMessage(text);
    }
  });
  QAction* previewToggle = action(Command::ViewPreview);
  connect(m_preview, &PreviewController::shownChanged, previewToggle, [previewToggle](bool shown) {
    if (previewToggle->isChecked() != shown) previewToggle->setChecked(shown);
  });
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

QAction* MainWindow::action(Command command) const {
  auto it = m_actions.find(command);
  return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::createActions() {
  // One row a command: what the menus, the toolbar, the keys and the status
  // bar show of it, and what it runs. A row without a handler stays disabled
  // until its owner takes it (GroupingsCommands::attach).
  createFileAndEditActions();
  createAnnotateAndGroupingsActions();
  createViewAndHelpActions();

  // Undo, Cut and Copy follow the editor.
  for (Command command : {Command::EditUndo, Command::EditCut, Command::EditCopy})
    action(command)->setEnabled(false);
  connect(m_editor, &QPlainTextEdit::undoAvailable, action(Command::EditUndo),
          &QAction::setEnabled);
  connect(m_editor, &QPlainTextEdit::copyAvailable, action(Command::EditCut), &QAction::setEnabled);
  connect(m_editor, &QPlainTextEdit::copyAvailable, action(Command::EditCopy),
          &QAction::setEnabled);
}

void MainWindow::createFileAndEditActions() {
  using K = QKeySequence;
  const auto ctrl = Qt::CTRL;
  const auto shift = Qt::SHIFT;
  const auto alt = Qt::ALT;
  const CommandRow rows[] = {
      {Command::FileNew,
       "&New",
       {K(ctrl | Qt::Key_N)},
       "Create a new document",
       nullptr,
       [this] { fileNew(); }},
      {Command::FileOpen,
       "&Open...",
       {K(ctrl | Qt::Key_O)},
       "Open an existing document",
       nullptr,
       [this] { fileOpen(); }},
      {Command::FileSave,
       "&Save",
       {K(ctrl | Qt::Key_S)},
       "Save the active document",
       nullptr,
       [this] { fileSave(); }},
      {Command::FileSaveAs,
       "Save &As...",
       {},
       "Save the active document with a new name",
       nullptr,
       [this] { fileSaveAs(); }},
      {Command::FileMruFirst, "Recent File", {}, "Open this document", nullptr, {}},
      {Command::AppExit,
       "E&xit",
       {},
       "Quit the application; prompts to save documents",
       nullptr,
       [this] { close(); }},

      {Command::EditUndo,
       "&Undo",
       {K(ctrl | Qt::Key_Z), K(alt | Qt::Key_Backspace)},
       "Undo the last action",
       nullptr,
       [this] { m_editor->undo(); }},
      {Command::EditCut,
       "Cu&t",
       {K(ctrl | Qt::Key_X), K(shift | Qt::Key_Delete)},
       "Cut the selection and put it on the Clipboard",
       nullptr,
       [this] { m_editor->cut(); }},
      {Command::EditCopy,
       "&Copy",
       {K(ctrl | Qt::Key_C), K(ctrl | Qt::Key_Insert)},
       "Copy the selection and put it on the Clipboard",
       nullptr,
       [this] { m_editor->copy(); }},
      {Command::EditPaste,
       "&Paste",
       {K(ctrl | Qt::Key_V), K(shift | Qt::Key_Insert)},
       "Insert Clipboard contents",
       nullptr,
       [this] { m_editor->pasteText(); }},
      {Command::EditSelectAll,
       "Select A&ll",
       {K(ctrl | Qt::Key_A)},
       "Select the entire document",
       nullptr,
       [this] { m_editor->selectAll(); }},

  };
  for (const CommandRow& row : rows) addCommand(row);
}

void MainWindow::createAnnotateAndGroupingsActions() {
  using K = QKeySequence;
  const auto ctrl = Qt::CTRL;
  const auto shift = Qt::SHIFT;
  const CommandRow rows[] = {
      {Command::AnnotateToWord,
       "To MS &Word",
       {K(ctrl | shift | Qt::Key_W)},
       "Copy annotated sequences to a new Microsoft Word document.",
       "Annotate To MS Word",
       [this] { m_annotate->toWord(); }},
      {Command::AnnotateToRtfClipboard,
       "To &Clipboard as &RTF",
       {K(ctrl | shift | Qt::Key_C)},
       "Copy annotated sequences to the clipboard in Rich Text Format",
       "Annotate as RTF",
       [this] { m_annotate->toRtfClipboard(); }},
      {Command::AnnotateToHtmlClipboard,
       "To Clipboard as &HTML",
       {K(ctrl | shift | Qt::Key_H)},
       "Copy annotated sequences to the clipboard in HTML format",
       "Annotate as HTML",
       [this] { m_annotate->toHtmlClipboard(); }},
      {Command::CopyStyleSheet,
       "          Copy HTML Style Sheet To\xA0"
       "Clipboard",
       {},
       "Copy the HTML style sheet (CSS) for the current Residue Groupings to the clipboard.",
       nullptr,
       [this] { m_annotate->copyStyleSheet(); }},
      {Command::AnnotateToFile,
       "To &File",
       {K(ctrl | shift | Qt::Key_F)},
       "Write the annotated sequences to a file.",
       "Annotate To File",
       [this] { m_annotate->toFile(); }},
      {Command::AnnotateAddStructure,
       "Add Structure...",
       {},
       "Attach the secondary structure of a 3D structure (PDB, mmCIF or DSSP file) to a "
       "sequence.",
       nullptr,
       [this] { addStructure(m_app, m_document, m_editor); }},

      {Command::GroupingsEdit,
       "&Edit",
       {K(ctrl | Qt::Key_E)},
       "Edit the current Residue Groupings",
       "Residue Groupings Editor",
       {}},
      {Command::GroupingsOpen,
       "&Open...",
       {K(ctrl | shift | Qt::Key_O)},
       "Open a Residue Groupings configuration file",
       nullptr,
       {}},
      {Command::GroupingsReload,
       "&Reload",
       {K(ctrl | shift | Qt::Key_R)},
       "Reload the Residue Groupings from their file",
       nullptr,
       {}},
      {Command::GroupingsSaveAs,
       "Save &As...",
       {K(ctrl | shift | Qt::Key_S)},
       "Save the Residue Groupings under a new name",
       nullptr,
       {}},
      {Command::GroupingsDefaults,
       "Use &Defaults",
       {K(ctrl | shift | Qt::Key_D)},
       "Use the built-in colour Residue Groupings",
       nullptr,
       {}},
      {Command::GroupingsBlackWhite,
       "Use &Black && White Defaults",
       {K(ctrl | shift | Qt::Key_B)},
       "Use the built-in black and white Residue Groupings",
       nullptr,
       {}},
      {Command::GroupingsColourBlindSafe,
       "Use Colour-blind &Safe Defaults",
       {},
       "Use the built-in colour-blind safe Residue Groupings",
       nullptr,
       {}},
      {Command::GroupingsMruFirst,
       "Recent Configurations",
       {},
       "Open this configuration file",
       nullptr,
       {}},
  };
  for (const CommandRow& row : rows) addCommand(row);
}

void MainWindow::createViewAndHelpActions() {
  using K = QKeySequence;
  const auto ctrl = Qt::CTRL;
  const auto shift = Qt::SHIFT;
  const auto helpTopics = [this] { help(kDefaultHelpContext); };
  const CommandRow rows[] = {
      {Command::Options,
       "&Options...",
       {K(ctrl | shift | Qt::Key_P)},
       "Set annotation parameters",
       "Programme Options",
       [this] { m_options->showOptions(m_app.editorFont()); }},

      {Command::ViewToolbar,
       "&Toolbar",
       {},
       "Show or hide the toolbar",
       nullptr,
       {},
       [this](bool on) { m_toolBar->setVisible(on); }},
      {Command::ViewStatusBar,
       "&Status Bar",
       {},
       "Show or hide the status bar",
       nullptr,
       {},
       [this](bool on) { statusBar()->setVisible(on); }},
      {Command::ViewPreview,
       "&Preview",
       {K(Qt::Key_F8)},
       "Show or hide the annotated preview beside the alignment",
       "Show Preview",
       {},
       [this](bool on) { m_preview->setShown(on); }},

      {Command::HelpFinder, "&Help Topics", {}, "List Help topics", nullptr, helpTopics},
      {Command::ContextHelp,
       "What's This?",
       {K(shift | Qt::Key_F1)},
       "Display help for clicked on buttons, menus and windows",
       "Help",
       [this] { contextHelp(); }},
      {Command::RunTutorial,
       "Run Tutorial",
       {},
       "Work through a first annotation step by step",
       nullptr,
       [this] { runTutorial(); }},
      {Command::AppAbout,
       "&About HUESET...",
       {},
       "Display program information, version number and copyright",
       "About",
       [this] { showAboutBox(this); }},
      {Command::Help,
       "Help",
       {K(Qt::Key_F1)},
       "Display help for current task or command",
       nullptr,
       helpTopics},
  };
  for (const CommandRow& row : rows) addCommand(row);
}

void MainWindow::addCommand(const CommandRow& row) {
  const QString text = toQString(row.text);
  const QString prompt = toQString(row.prompt);
  auto* a = new QAction(text, this);
  a->setShortcuts(row.keys);
  a->setShortcutContext(Qt::WindowShortcut);
  a->setStatusTip(prompt);
  a->setToolTip(row.toolTip ? toQString(row.toolTip) : toolTipText(text));
  a->setWhatsThis(whatsThisText(row.command, prompt));
  a->setData(static_cast<int>(row.command));
  a->setIcon(commandIcon(row.command));
  a->setIconVisibleInMenu(false);
  if (row.run) {
    connect(a, &QAction::triggered, this, row.run);
  } else if (row.toggle) {
    a->setCheckable(true);
    a->setChecked(true);
    connect(a, &QAction::toggled, this, row.toggle);
  } else {
    a->setEnabled(false);
  }
  addAction(a);  // keys work while the menus and toolbar are hidden too
  m_actions[row.command] = a;
}

QMenu* MainWindow::addMenu(const char* title, std::initializer_list<std::optional<Command>> items) {
  QMenu* menu = menuBar()->addMenu(toQString(title));
  addCommands(menu, items);
  return menu;
}

void MainWindow::addCommands(QWidget* target, std::initializer_list<std::optional<Command>> items) {
  for (const std::optional<Command>& command : items) {
    if (command) {
      target->addAction(action(*command));
      continue;
    }
    auto* separator = new QAction(target);
    separator->setSeparator(true);
    target->addAction(separator);
  }
}

void MainWindow::createMenus() {
  m_fileMenu =
      addMenu("&File", {Command::FileNew, Command::FileOpen, Command::FileSave, Command::FileSaveAs,
                        kSeparator, Command::FileMruFirst, kSeparator, Command::AppExit});
  connect(m_fileMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentFiles);
  addMenu("&Edit", {Command::EditUndo, kSeparator, Command::EditCut, Command::EditCopy,
                    Command::EditPaste, Command::EditSelectAll});
  addMenu("&Annotate Alignment",
          {Command::AnnotateToWord, Command::AnnotateToRtfClipboard,
           Command::AnnotateToHtmlClipboard, Command::CopyStyleSheet, Command::AnnotateToFile,
           kSeparator, Command::AnnotateAddStructure});
  QMenu* groupings =
      addMenu("&Residue Groupings",
              {Command::GroupingsEdit, kSeparator, Command::GroupingsOpen, Command::GroupingsReload,
               Command::GroupingsSaveAs, kSeparator, Command::GroupingsDefaults,
               Command::GroupingsBlackWhite, Command::GroupingsColourBlindSafe, kSeparator,
               Command::GroupingsMruFirst});
  m_groupings->attach([this](Command command) { return action(command); }, groupings);
  addMenu("&Configure", {Command::Options});
  addMenu("&View",
          {Command::ViewToolbar, Command::ViewStatusBar, kSeparator, Command::ViewPreview});
  addMenu("&Help", {Command::HelpFinder, Command::ContextHelp, Command::RunTutorial, kSeparator,
                    Command::AppAbout});
}

void MainWindow::createToolBar() {
  m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
  m_toolBar->setObjectName(QStringLiteral("StandardToolBar"));
  m_toolBar->setMovable(true);
  m_toolBar->setFloatable(true);
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addCommands(m_toolBar,
              {Command::FileNew, Command::FileOpen, Command::FileSave, kSeparator, Command::EditCut,
               Command::EditCopy, Command::EditPaste, kSeparator, Command::AnnotateToWord,
               Command::AnnotateToRtfClipboard, Command::AnnotateToHtmlClipboard,
               Command::AnnotateToFile, kSeparator, Command::GroupingsEdit, Command::Options,
               Command::ViewPreview, kSeparator, Command::AppAbout, Command::ContextHelp});
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  setLargeToolbarButtons(m_app.options().general.largeToolbarButtons);

  // The item follows the toolbar when it is closed or shown some other way.
  QAction* toggle = action(Command::ViewToolbar);
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
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) +
                               10);
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
  for (Command command : {Command::AnnotateToWord, Command::AnnotateToRtfClipboard,
                          Command::AnnotateToHtmlClipboard, Command::AnnotateToFile}) {
    action(command)->setEnabled(enabled);
  }
}

void MainWindow::updatePaste() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  action(Command::EditPaste)->setEnabled(data && data->hasText());
}

void MainWindow::updateRecentFiles() {
  for (QAction* a : m_recentActions) {
    m_fileMenu->removeAction(a);
    a->deleteLater();
  }
  m_recentActions.clear();
  auto& recent = m_app.options().recentDocuments;
  const bool any = recent && !recent->empty();
  QAction* placeholder = action(Command::FileMruFirst);
  placeholder->setVisible(!any);
  placeholder->setEnabled(false);
  if (!any) return;
  const std::string current = toPathBytes(QDir::currentPath());
  for (std::size_t i = 0; i < recent->size(); ++i) {
    QString name = toQPath(recent->displayName(i, current));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QString text =
        i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : QStringLiteral("1&0 %1").arg(name);
    auto* a = new QAction(text, this);
    a->setStatusTip(QStringLiteral("Open this document"));
    const QString path = toQPath(recent->entries()[i]);
    connect(a, &QAction::triggered, this, [this, path] { openDocumentFile(path); });
    m_fileMenu->insertAction(placeholder, a);
    m_recentActions << a;
  }
}

void MainWindow::setEditorFont(const QFont& font) { m_editor->setFont(font); }

void MainWindow::reportOpenFailure(const QString& path, const QString& reason) {
  QString text;
  QFileInfo info(path);
  if (!info.exists()) {
    text = toQString(kFileNotFoundReport).arg(path);
  } else if (!info.isReadable()) {
    text = toQPath(saveErrorMessage(SaveFailure::AccessDenied, toPathBytes(path)));
  } else {
    // What went wrong with a file that could be opened (damaged gzip data,
    // too large, out of memory) is told under the report.
    text = toQString(kOpenFailedReport);
    if (!reason.isEmpty()) text += QStringLiteral("\n\n%1\n%2").arg(path, reason);
  }
  m_app.prompts().message(this, QStringLiteral("HUESET"), text, PromptIcon::Exclamation,
                          PromptButtons::Ok);
}

bool MainWindow::openDocumentFile(const QString& path) {
  if (!saveModified()) return false;
  QString error;
  const QString full = QFileInfo(path).absoluteFilePath();
  auto& recent = m_app.options().recentDocuments;
  if (!m_document->load(full, &error, inflateLimitOf(m_app.options().input.maxInflatedMegabytes))) {
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
  m_documentFolder = QFileInfo(full).absolutePath();
  updateRecentFiles();
  updateCaption();
  return true;
}

bool MainWindow::saveModified() {
  if (!m_document->isModified()) return true;
  const QString name = m_document->path().isEmpty() ? m_document->title() : m_document->path();
  const PromptAnswer answer =
      m_app.prompts().message(this, QStringLiteral("HUESET"), kAskToSave.arg(name),
                              PromptIcon::Exclamation, PromptButtons::YesNoCancel);
  return goOnAfterSaveQuestion(answer, [this] { return fileSave(); });
}

void MainWindow::fileNew() {
  if (!saveModified()) return;
  m_document->clear();
  updateCaption();
}

// The document dialogs keep their folder themselves: the working folder
// stays the one the program started in, where the options file goes at exit,
// never among the user's alignments.
QString MainWindow::documentFolder() const {
  return m_documentFolder.isEmpty() ? QDir::currentPath() : m_documentFolder;
}

void MainWindow::fileOpen() {
  QString path = m_app.prompts().chooseDocumentToOpen(this, documentFolder());
  if (path.isEmpty()) return;
  openDocumentFile(path);
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
  if (proposed.isEmpty())
    proposed = QDir(documentFolder()).filePath(m_document->title() + QStringLiteral(".msf"));
  QString chosen = m_app.prompts().chooseDocumentToSave(this, proposed);
  if (chosen.isEmpty()) return false;
  chosen = QFileInfo(toQPath(cleanChosenFileName(toPathBytes(chosen)))).absoluteFilePath();
  QString error;
  if (!m_document->save(chosen, &error)) {
    showSaveFailure(m_app.prompts(), this, toPathBytes(chosen));
    return false;
  }
  if (auto& recent = m_app.options().recentDocuments) recent->add(toPathBytes(chosen));
  m_documentFolder = QFileInfo(chosen).absolutePath();
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
  showHelpPage(toQString(helpPageForContext(commandHelpContext(Command::RunTutorial))));
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
  if (AnnotationRunner* runner = m_annotate->runner(); runner->busy()) {
    // The annotation stops first; the window closes once it has.
    event->ignore();
    runner->cancel();
    connect(runner, &AnnotationRunner::ended, this, &MainWindow::close,
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    return;
  }
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
