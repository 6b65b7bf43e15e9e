#include "gui/groupings/grouping_editor_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <cmath>
#include <initializer_list>

#include "desktop/frame/command_ids.h"
#include "desktop/frame/frame_texts.h"
#include "gui/common/message_box.h"
#include "gui/common/qt_text.h"
#include "gui/common/remembered_place.h"
#include "gui/controls/colour_button.h"
#include "gui/controls/drawn_icons.h"
#include "gui/groupings/grouping_list.h"
#include "gui/groupings/residue_preview_delegate.h"
#include "util/string_table.h"

namespace hueset::gui {
namespace {

QString fromTable(StringId id) { return withLineFeeds(loadString(id)); }

QStringList installedFaces() {
  QStringList faces;
  for (const QString& family : QFontDatabase::families()) {
    // Raster faces cannot be sized freely; they are not offered.
    if (QFontDatabase::isPrivateFamily(family)) continue;
    if (!QFontDatabase::isScalable(family) || QFontDatabase::isBitmapScalable(family)) continue;
    faces << family;
  }
  return faces;
}

}  // namespace

GroupingEditorDialog::GroupingEditorDialog(GroupingSet& target,
                                           const GroupingsEditorRequest& request, EditorSave save,
                                           QWidget* parent)
    : QDialog(parent),
      m_target(target),
      m_lastEdited(target),
      m_save(std::move(save)),
      m_model(target, request.invalidLetters, request.confirmationMode),
      m_webSafe(request.webSafePalette) {
  m_message = [](QWidget* owner, const QString& text, PromptIcon icon, PromptButtons buttons) {
    return showMessageBox(owner, QStringLiteral("HUESET"), text, icon, buttons);
  };
  m_fieldSupport.exempt().add(kCancelControlId);

  setWindowTitle(request.confirmationMode && !request.caption.empty() ? toQString(request.caption)
                                                                      : toQString(kEditorTitle));
  m_ui.setupUi(this, m_fieldSupport, toQString(m_model.invalidLetters()));
  m_preview = new ResiduePreviewDelegate(m_model, m_ui.list);
  m_ui.list->setItemDelegateForColumn(static_cast<int>(EditorColumn::Residues), m_preview);
  m_ui.list->setGuard([this] { return selectionMayChange(); });
  buildMenus();
  connectControls();
  loadFonts(installedFaces());

  // The colour pickers offer the web-safe colours, or else the 40 colours
  // and every colour the groupings already use.
  for (ColourButton* picker : {m_ui.textColour, m_ui.backColour}) {
    if (m_webSafe) {
      picker->colourSet().setPalette(webSafePalette());
      picker->colourSet().setColumns(kWebSafePaletteColumns);
    } else {
      for (Colour c : m_model.rowColours()) picker->colourSet().addCustomColour(c);
    }
  }

  m_updating = true;
  m_ui.fontSize->loadValue(m_model.fontSize());
  m_updating = false;
  refreshList();
  showCurrent();
  scrollToSelection();
  updateCommands();
  m_ui.statusBar->showMessage(fromTable(kIdlePromptId));
  m_ui.list->setFocus(Qt::OtherFocusReason);

  // Every child passes the editor's keys on before handling them itself.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  // The size of the dialog (388 by 324 dialog units) plus the menu bar and
  // the status bar.
  const QFontMetrics metrics(font());
  resize(388 * metrics.averageCharWidth() / 4, 324 * metrics.height() / 8 +
                                                   GroupingEditorUi::kStatusBarHeight +
                                                   m_ui.menuBar->sizeHint().height());
}

GroupingEditorDialog::~GroupingEditorDialog() = default;

void GroupingEditorDialog::buildMenus() {
  // The menu items name their keys in their texts; the keys themselves are
  // separate actions of the dialog, so the menu shows no other key text.
  for (const EditorCommandKeys& e : editorCommandKeys()) {
    const EditorCommand command = e.command;
    auto* item = new QAction(toQString(editorMenuText(command)), this);
    item->setStatusTip(toQString(editorCommandPrompt(command)));
    connect(item, &QAction::triggered, this, [this, command] { runCommand(command); });
    connect(item, &QAction::hovered, this,
            [this, item] { m_ui.statusBar->showMessage(item->statusTip()); });
    m_actions[command] = item;
    if (e.keys.isEmpty()) continue;
    auto* keys = new QAction(this);
    keys->setShortcuts(e.keys);
    keys->setShortcutContext(Qt::WindowShortcut);
    connect(keys, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(keys);
    m_keys[command] = keys;
  }

  // The Edit menu's items, two to a section.
  const EditorCommand sections[][2] = {
      {EditorCommand::Undo, EditorCommand::Redo},
      {EditorCommand::Delete, EditorCommand::Insert},
      {EditorCommand::Next, EditorCommand::Previous},
      {EditorCommand::MoveUp, EditorCommand::MoveDown},
      {EditorCommand::Activate, EditorCommand::Inactivate},
      {EditorCommand::Sort, EditorCommand::AddStandard},
  };
  m_editMenu = m_ui.menuBar->addMenu(QStringLiteral("&Edit"));
  for (const auto& section : sections) {
    if (!m_editMenu->isEmpty()) m_editMenu->addSeparator();
    for (EditorCommand command : section) m_editMenu->addAction(m_actions[command]);
  }

  QMenu* helpMenu = m_ui.menuBar->addMenu(QStringLiteral("&Help"));
  auto* helpAction = new QAction(QStringLiteral("&Help\tF1"), this);
  helpAction->setShortcut(QKeySequence(Qt::Key_F1));
  connect(helpAction, &QAction::triggered, m_ui.helpButton, &QPushButton::click);
  addAction(helpAction);
  helpMenu->addAction(helpAction);

  for (QMenu* menu : {m_editMenu, helpMenu}) {
    connect(menu, &QMenu::aboutToShow, this, &GroupingEditorDialog::updateCommands);
    connect(menu, &QMenu::aboutToHide, this,
            [this] { m_ui.statusBar->showMessage(fromTable(kIdlePromptId)); });
  }
}

void GroupingEditorDialog::connectControls() {
  connect(m_ui.fontList, &QComboBox::activated, this, [this](int index) {
    if (m_updating || index < 0) return;
    m_model.chooseFace(static_cast<std::size_t>(index));
    showFont();
    updateCommands();
  });
  connect(m_ui.fontList, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (m_updating) return;
    const std::string before = m_model.fontFace();
    m_model.typeFace(toStdString(text));
    if (m_model.fontFace() != before) {
      m_preview->setFace(toQString(m_model.fontFace()));
      m_ui.list->viewport()->update();
    }
    updateCommands();
  });
  connect(m_ui.fontSize, &ValidatingField::valueChanged, this, [this] {
    if (m_updating || !m_ui.fontSize->model().valid()) return;
    const std::optional<double> points = m_ui.fontSize->model().value();
    if (!points) return;
    m_model.setFontSize(static_cast<std::int32_t>(std::lround(*points * 10.0)));
    updateCommands();
  });

  for (auto [box, set] : {std::pair{m_ui.active, &GroupingEditorModel::setActive},
                          std::pair{m_ui.bold, &GroupingEditorModel::setBold},
                          std::pair{m_ui.italic, &GroupingEditorModel::setItalic}}) {
    connect(box, &QCheckBox::clicked, this,
            [this, set = set](bool on) { detailEdited((m_model.*set)(on)); });
  }
  connect(m_ui.name, &QLineEdit::textEdited, this,
          [this](const QString& text) { detailEdited(m_model.setName(toStdString(text))); });
  // These change when a row is shown too: only the user's changes count.
  for (auto [edit, set] :
       {std::pair{static_cast<QLineEdit*>(m_ui.residues), &GroupingEditorModel::setResidues},
        std::pair{m_ui.marker, &GroupingEditorModel::setMarker}}) {
    connect(edit, &QLineEdit::textChanged, this, [this, set = set](const QString& text) {
      if (!m_updating) detailEdited((m_model.*set)(toStdString(text)));
    });
  }
  for (auto [picker, set] : {std::pair{m_ui.textColour, &GroupingEditorModel::setTextColour},
                             std::pair{m_ui.backColour, &GroupingEditorModel::setBackColour}}) {
    connect(picker, &ColourButton::colourChanged, this, [this, set = set](Colour c) {
      if (!m_updating) detailEdited((m_model.*set)(c));
    });
  }

  connect(m_ui.addButton, &QPushButton::clicked, this, [this] { handle(m_model.add()); });
  connect(m_ui.deleteButton, &QPushButton::clicked, this, [this] { handle(m_model.remove()); });
  connect(m_ui.moveUpButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::MoveUp); });
  connect(m_ui.moveDownButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::MoveDown); });
  connect(m_ui.activateButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::Activate); });
  connect(m_ui.inactivateButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::Inactivate); });

  connect(m_ui.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &GroupingEditorDialog::listSelectionChanged);
  connect(m_ui.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &GroupingEditorDialog::listSelectionChanged);

  connect(m_ui.finishButton, &QPushButton::clicked, this, &GroupingEditorDialog::finish);
  connect(m_ui.saveAsButton, &QPushButton::clicked, this, [this] { save(true); });
  connect(m_ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_ui.helpButton, &QPushButton::clicked, this, [this] {
    if (m_help) m_help(kGroupingsEditorHelpContext);
  });
}

void GroupingEditorDialog::loadFonts(const QStringList& faces) {
  std::vector<std::string> list;
  for (const QString& f : faces) list.push_back(toStdString(f));
  m_model.setFontFaces(std::move(list));
  m_updating = true;
  m_ui.fontList->clear();
  for (const std::string& face : m_model.fontFaces()) {
    const QString family = toQString(face);
    const bool installed = faces.contains(family);
    const bool outline = installed && QFontDatabase::isSmoothlyScalable(family);
    const bool fixed = installed && QFontDatabase::isFixedPitch(family);
    m_ui.fontList->addItem(fontFaceIcon(outline, fixed), family);
    QStringList notes;
    if (outline) notes << QStringLiteral("TrueType");
    if (fixed) notes << QStringLiteral("fixed pitch");
    if (!installed) notes << QStringLiteral("not installed");
    if (!notes.isEmpty()) {
      m_ui.fontList->setItemData(m_ui.fontList->count() - 1, notes.join(QStringLiteral(", ")),
                                 Qt::ToolTipRole);
    }
  }
  m_updating = false;
  showFont();
}

void GroupingEditorDialog::setFontFaces(const QStringList& faces) {
  loadFonts(faces);
  updateCommands();
}

QAction* GroupingEditorDialog::action(EditorCommand command) const {
  const auto it = m_actions.find(command);
  return it == m_actions.end() ? nullptr : it->second;
}

QAction* GroupingEditorDialog::keyAction(EditorCommand command) const {
  const auto it = m_keys.find(command);
  return it == m_keys.end() ? nullptr : it->second;
}

QAction* GroupingEditorDialog::acceleratorFor(const QKeyEvent* event) const {
  if (event->key() == 0 || event->key() == Qt::Key_unknown) return nullptr;
  const QKeySequence pressed(event->keyCombination());
  for (const auto& [command, a] : m_keys) {
    for (const QKeySequence& key : a->shortcuts()) {
      if (key.matches(pressed) == QKeySequence::ExactMatch) return a;
    }
  }
  return nullptr;
}

bool GroupingEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (acceleratorFor(key)) {
      // The editor's keys come before the control's own: an edit field
      // does not take Ctrl+Z or Ctrl+A for itself. A key whose command is
      // disabled does nothing.
      if (event->type() == QEvent::ShortcutOverride) event->ignore();
      return true;
    }
    if (watched == m_ui.marker && event->type() == QEvent::KeyPress && m_ui.marker->isEnabled()) {
      const QString typed = key->text();
      const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
      if (plain && typed.size() == 1 && typed[0].isPrint() && typed[0].unicode() < 256) {
        // A typed character replaces the marker there was.
        m_ui.marker->setText(typed);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void GroupingEditorDialog::refreshList() {
  const bool wasUpdating = m_updating;
  m_updating = true;
  const int rows = m_model.rowCount();
  while (m_ui.list->topLevelItemCount() > rows) {
    delete m_ui.list->takeTopLevelItem(m_ui.list->topLevelItemCount() - 1);
  }
  while (m_ui.list->topLevelItemCount() < rows) m_ui.list->addTopLevelItem(new QTreeWidgetItem);
  for (int r = 0; r < rows; ++r) refreshRow(r);

  QItemSelection selection;
  QAbstractItemModel* items = m_ui.list->model();
  for (int r : m_model.selection()) selection.select(items->index(r, 0), items->index(r, 4));
  m_ui.list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const int focused = m_model.focused();
  m_ui.list->selectionModel()->setCurrentIndex(
      focused >= 0 ? items->index(focused, 0) : QModelIndex(), QItemSelectionModel::NoUpdate);
  m_updating = wasUpdating;
}

void GroupingEditorDialog::refreshRow(int row) {
  QTreeWidgetItem* item = m_ui.list->topLevelItem(row);
  if (!item || row >= m_model.rowCount()) return;
  for (int c = 0; c < 5; ++c) {
    item->setText(c, toQString(m_model.cellText(row, static_cast<EditorColumn>(c))));
  }
  item->setIcon(0, groupingStateIcon(m_model.rows()[static_cast<std::size_t>(row)].active));
  m_ui.list->viewport()->update();
}

void GroupingEditorDialog::showCurrent() {
  const bool wasUpdating = m_updating;
  m_updating = true;
  const DetailControls c = m_model.detailControls();
  auto enable = [this](QWidget* w, bool on) {
    // The focus does not stay on a control that goes grey.
    if (!on && w->hasFocus()) m_ui.list->setFocus();
    w->setEnabled(on);
  };
  enable(m_ui.active, c.activeEnabled);
  enable(m_ui.name, c.nameEnabled);
  enable(m_ui.residues, c.residuesEnabled);
  enable(m_ui.marker, c.markerEnabled);
  for (QWidget* format :
       std::initializer_list<QWidget*>{m_ui.textColour, m_ui.backColour, m_ui.bold, m_ui.italic}) {
    enable(format, c.formatEnabled);
  }
  if (c.shown) {
    const ResidueGrouping& g = m_model.rows()[static_cast<std::size_t>(*m_model.currentRow())];
    m_ui.active->setChecked(g.active);
    m_ui.name->setText(toQString(g.name));
    m_ui.residues->setText(toQString(g.residues));
    m_ui.marker->setText(QString(QChar(static_cast<unsigned char>(g.marker))));
    for (auto [picker, colour] : {std::pair{m_ui.textColour, g.format.textColour},
                                  std::pair{m_ui.backColour, g.format.backColour}}) {
      if (!m_webSafe) picker->colourSet().addCustomColour(colour);
      picker->loadColour(colour);
    }
    m_ui.bold->setChecked(g.format.bold);
    m_ui.italic->setChecked(g.format.italic);
  } else {
    m_ui.active->setChecked(false);
    m_ui.name->clear();
    m_ui.residues->clear();
    m_ui.marker->clear();
    m_ui.textColour->setColour(kColourNone);
    m_ui.backColour->setColour(kColourNone);
    m_ui.bold->setChecked(false);
    m_ui.italic->setChecked(false);
  }
  m_updating = wasUpdating;
}

void GroupingEditorDialog::showFont() {
  const bool wasUpdating = m_updating;
  m_updating = true;
  if (const auto index = m_model.faceIndex()) {
    m_ui.fontList->setCurrentIndex(static_cast<int>(*index));
  }
  m_ui.fontList->setEditText(toQString(m_model.typedFace()));
  m_updating = wasUpdating;
  m_preview->setFace(toQString(m_model.fontFace()));
  m_ui.list->viewport()->update();
}

void GroupingEditorDialog::scrollToSelection() {
  const int row = m_model.selection().empty() ? m_model.focused() : m_model.selection().front();
  if (QTreeWidgetItem* item = row >= 0 ? m_ui.list->topLevelItem(row) : nullptr) {
    m_ui.list->scrollToItem(item);
  }
}

void GroupingEditorDialog::updateCommands() {
  for (const auto& [command, a] : m_actions) a->setEnabled(m_model.enabled(command));
  for (const auto& [command, a] : m_keys) a->setEnabled(m_model.enabled(command));
  m_actions[EditorCommand::Undo]->setText(toQString(m_model.undoText()));
  m_actions[EditorCommand::Redo]->setText(toQString(m_model.redoText()));
  // The buttons of the commands the menu also holds follow its rule.
  const std::pair<QPushButton*, EditorCommand> buttons[] = {
      {m_ui.moveUpButton, EditorCommand::MoveUp},
      {m_ui.moveDownButton, EditorCommand::MoveDown},
      {m_ui.activateButton, EditorCommand::Activate},
      {m_ui.inactivateButton, EditorCommand::Inactivate},
  };
  for (const auto& [button, command] : buttons) button->setEnabled(m_model.enabled(command));
  const FinishButton finish = m_model.finishButton();
  m_ui.finishButton->setText(toQString(finish.text));
  m_ui.finishButton->setEnabled(finish.enabled);
  m_ui.finishButton->setDefault(finish.enabled);
  // Every change passes through here; only real ones are told.
  GroupingSet edited = m_target;
  m_model.writeBack(edited);
  if (edited != m_lastEdited) {
    m_lastEdited = std::move(edited);
    emit groupingsEdited(m_lastEdited);
  }
}

void GroupingEditorDialog::listSelectionChanged() {
  if (m_updating) return;
  std::vector<int> rows;
  for (QTreeWidgetItem* item : m_ui.list->selectedItems()) {
    rows.push_back(m_ui.list->indexOfTopLevelItem(item));
  }
  const QModelIndex current = m_ui.list->selectionModel()->currentIndex();
  m_model.setSelection(std::move(rows), current.isValid() ? current.row() : -1);
  showCurrent();
  updateCommands();
}

bool GroupingEditorDialog::selectionMayChange() {
  const std::optional<EditorProblem> problem = m_model.validateCurrentRow();
  if (!problem) return true;
  // The click is refused quietly; the message follows once it is over.
  if (!m_problemPosted) {
    m_problemPosted = true;
    QTimer::singleShot(0, this, [this, p = *problem] {
      m_problemPosted = false;
      showProblem(p);
    });
  }
  return false;
}

void GroupingEditorDialog::runCommand(EditorCommand command) {
  if (!m_model.enabled(command)) return;
  // The commands the model carries out without asking anything.
  static const std::map<EditorCommand, EditorOutcome (GroupingEditorModel::*)()> kPlain = {
      {EditorCommand::Delete, &GroupingEditorModel::remove},
      {EditorCommand::Insert, &GroupingEditorModel::add},
      {EditorCommand::Next, &GroupingEditorModel::next},
      {EditorCommand::Previous, &GroupingEditorModel::previous},
      {EditorCommand::MoveUp, &GroupingEditorModel::moveUp},
      {EditorCommand::MoveDown, &GroupingEditorModel::moveDown},
      {EditorCommand::Activate, &GroupingEditorModel::activate},
      {EditorCommand::Inactivate, &GroupingEditorModel::inactivate},
      {EditorCommand::Sort, &GroupingEditorModel::sort},
      {EditorCommand::ExtendDown, &GroupingEditorModel::extendDown},
      {EditorCommand::ExtendUp, &GroupingEditorModel::extendUp},
  };
  if (const auto plain = kPlain.find(command); plain != kPlain.end()) {
    handle((m_model.*plain->second)());
  } else if (command == EditorCommand::AddStandard) {
    handle(m_model.addStandardAminoAcids([this] {
      return message(fromTable(kStandardNamesInUseMessage), PromptIcon::Question,
                     PromptButtons::OkCancel);
    }));
  } else if (command == EditorCommand::Undo) {
    applied(m_model.undo());
  } else if (command == EditorCommand::Redo) {
    applied(m_model.redo());
  }
}

void GroupingEditorDialog::handle(const EditorOutcome& outcome) {
  switch (outcome.kind) {
    case EditorOutcome::Kind::Done:
      refreshList();
      showCurrent();
      scrollToSelection();
      if (outcome.focus != EditorControl::None) focusControl(outcome.focus);
      break;
    case EditorOutcome::Kind::Nothing: break;
    case EditorOutcome::Kind::Beep: beep(); break;
    case EditorOutcome::Kind::Invalid: showProblem({outcome.message, outcome.focus}); break;
    case EditorOutcome::Kind::Refused:
      message(fromTable(outcome.message), PromptIcon::Exclamation, PromptButtons::Ok);
      break;
  }
  updateCommands();
}

void GroupingEditorDialog::applied(const std::optional<AppliedEdit>& edit) {
  if (!edit) return;
  m_updating = true;
  switch (editScope(edit->kind)) {
    case EditScope::FontFace: showFont(); break;
    case EditScope::FontSize: m_ui.fontSize->loadValue(m_model.fontSize()); break;
    case EditScope::AllRows:
    case EditScope::OneRow:
      refreshList();
      showCurrent();
      scrollToSelection();
      break;
  }
  m_updating = false;
  updateCommands();
}

void GroupingEditorDialog::showProblem(const EditorProblem& problem) {
  message(fromTable(problem.message), PromptIcon::Stop, PromptButtons::Ok);
  focusControl(problem.focus);
}

void GroupingEditorDialog::focusControl(EditorControl control) {
  QWidget* target = nullptr;
  switch (control) {
    case EditorControl::FontList: target = m_ui.fontList; break;
    case EditorControl::FontSize: target = m_ui.fontSize; break;
    case EditorControl::Name: target = m_ui.name; break;
    case EditorControl::Residues: target = m_ui.residues; break;
    case EditorControl::Marker: target = m_ui.marker; break;
    case EditorControl::List: target = m_ui.list; break;
    case EditorControl::None: return;
  }
  target->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

bool GroupingEditorDialog::message(const QString& text, PromptIcon icon, PromptButtons buttons) {
  return m_message ? m_message(this, text, icon, buttons) == PromptAnswer::Ok : true;
}

void GroupingEditorDialog::beep() {
  ++m_beeps;
  QApplication::beep();
}

void GroupingEditorDialog::detailEdited(bool changed) {
  if (!changed) return;
  if (const auto row = m_model.currentRow()) refreshRow(*row);
  updateCommands();
}

void GroupingEditorDialog::reject() {
  if (m_model.changed() && m_message &&
      m_message(this, toQString(kDiscardChangesQuestion), PromptIcon::Question,
                PromptButtons::YesNo) == PromptAnswer::No) {
    return;
  }
  QDialog::reject();
}

void GroupingEditorDialog::finish() {
  if (m_model.finishButton().confirms) {
    m_model.writeBack(m_target);
    accept();
    return;
  }
  save(false);
}

void GroupingEditorDialog::save(bool saveAs) {
  if (const auto problem = m_model.checkFontForSave()) {
    showProblem(*problem);
    return;
  }
  showFont();
  if (const auto problem = m_model.validateCurrentRow()) {
    showProblem(*problem);
    return;
  }
  // The size field reports its own message and keeps the focus.
  const std::optional<int> size = m_ui.fontSize->storeValue();
  if (!size) return;
  updateCommands();

  GroupingSet edited = m_target;
  m_model.writeBack(edited);
  if (m_save && !m_save(edited, saveAs)) return;  // the set and its flags are as they were
  m_target = std::move(edited);
  accept();
}

// GroupingEditorLauncher

bool GroupingEditorLauncher::edit(QWidget* parent, GroupingSet& target,
                                  const GroupingsEditorRequest& request, const EditorSave& save) {
  GroupingEditorDialog dialog(target, request, save, parent);
  dialog.setHelpFunction(m_help);
  applyRememberedPlace(&dialog, m_place);
  if (m_liveEdits) {
    QObject::connect(&dialog, &GroupingEditorDialog::groupingsEdited,
                     [this](const GroupingSet& edited) { m_liveEdits(&edited); });
  }
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  m_place = placeOf(&dialog);
  if (m_liveEdits) m_liveEdits(nullptr);
  return confirmed;
}

}  // namespace hueset::gui
