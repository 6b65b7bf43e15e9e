#include "gui/groupings/grouping_editor_ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QVBoxLayout>

#include "desktop/frame/command_ids.h"
#include "desktop/groupings/grouping_editor_model.h"
#include "groupings/grouping_set.h"
#include "gui/common/qt_text.h"
#include "gui/controls/colour_button.h"
#include "gui/controls/drawn_icons.h"
#include "gui/groupings/grouping_list.h"

namespace hueset::gui {
namespace {

QPushButton* imageButton(const QString& text, ButtonPicture picture, QWidget* parent) {
  auto* button = new QPushButton(buttonIcon(picture), text, parent);
  button->setIconSize(buttonIconSize(picture));
  button->setAutoDefault(false);
  return button;
}

// The font's name and size.
QHBoxLayout* buildFontRow(GroupingEditorUi& ui, QDialog* dialog, FieldSupport& support) {
  ui.fontList = new QComboBox(dialog);
  ui.fontList->setEditable(true);
  ui.fontList->setInsertPolicy(QComboBox::NoInsert);
  ui.fontList->setMaxVisibleItems(20);
  ui.fontList->setMinimumContentsLength(24);
  auto* fontLabel = new QLabel(QStringLiteral("&Font:"), dialog);
  fontLabel->setBuddy(ui.fontList);

  const int points = support.units().registerUnit(FieldUnit{"Points", 10.0, 1.0, 5});
  ui.fontSize = new ScaledNumberField(support, dialog);
  ui.fontSize->setUnit(points);
  ui.fontSize->setName(QStringLiteral("Font Size"));
  // A size of nothing would make documents without visible text; the files
  // are held to the same range.
  ui.fontSize->setLowerBound(BoundMode::Strict, 0);
  ui.fontSize->setUpperBound(BoundMode::Inclusive, GroupingSet::kLargestFontSize / 10);
  const QFontMetrics metrics(dialog->font());
  ui.fontSize->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0000000")));
  ui.fontSpin = new FieldSpinButton(dialog);
  ui.fontSize->setSpinButton(ui.fontSpin);
  auto* pointsLabel = new QLabel(QStringLiteral("pts."), dialog);

  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(fontLabel);
  fontRow->addWidget(ui.fontList, 1);
  fontRow->addSpacing(12);
  fontRow->addWidget(ui.fontSize);
  fontRow->addWidget(ui.fontSpin);
  fontRow->addWidget(pointsLabel);
  return fontRow;
}

// The fields of the grouping the list has selected.
QGroupBox* buildGroupBox(GroupingEditorUi& ui, QDialog* dialog, const QString& invalidLetters) {
  const QFontMetrics metrics(dialog->font());
  auto* group = new QGroupBox(QStringLiteral("Current Residue Group"), dialog);
  ui.active = new QCheckBox(QStringLiteral("A&ctive"), group);
  ui.name = new QLineEdit(group);
  // The separators of the text configuration file cannot be in a name.
  ui.name->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;,]*")), ui.name));
  auto* nameLabel = new QLabel(QStringLiteral("&Name:"), group);
  nameLabel->setBuddy(ui.name);
  ui.residues = new LetterSetField(group);
  ui.residues->setMode(kLetterSetUpperCase);
  ui.residues->setExcluded(invalidLetters);
  auto* residuesLabel = new QLabel(QStringLiteral("&Residues:"), group);
  residuesLabel->setBuddy(ui.residues);
  ui.marker = new QLineEdit(group);
  ui.marker->setMaxLength(1);
  ui.marker->setAlignment(Qt::AlignCenter);
  ui.marker->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("WWW")));
  ui.marker->setToolTip(toQString(kEditorColumnHeaders[2]));
  ui.textColour = new ColourButton(group);
  auto* textLabel = new QLabel(QStringLiteral("&Text:"), group);
  textLabel->setBuddy(ui.textColour);
  ui.backColour = new ColourButton(group);
  auto* backLabel = new QLabel(QStringLiteral("Bac&kground:"), group);
  backLabel->setBuddy(ui.backColour);
  ui.bold = new QCheckBox(QStringLiteral("&Bold"), group);
  ui.italic = new QCheckBox(QStringLiteral("&Italic"), group);
  for (ColourButton* picker : {ui.textColour, ui.backColour}) {
    // Enter confirms the dialog; it does not drop a colour well down.
    picker->setAutoDefault(false);
    picker->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Automatic")) + 40);
  }

  auto* grid = new QGridLayout(group);
  grid->addWidget(ui.active, 0, 0);
  grid->addWidget(nameLabel, 0, 1, Qt::AlignRight);
  grid->addWidget(ui.name, 0, 2, 1, 5);
  grid->addWidget(residuesLabel, 1, 1, Qt::AlignRight);
  grid->addWidget(ui.residues, 1, 2, 1, 4);
  grid->addWidget(ui.marker, 1, 6);
  grid->addWidget(textLabel, 2, 1, Qt::AlignRight);
  grid->addWidget(ui.textColour, 2, 2);
  grid->addWidget(backLabel, 2, 3, Qt::AlignRight);
  grid->addWidget(ui.backColour, 2, 4);
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(ui.bold);
  styleRow->addWidget(ui.italic);
  grid->addLayout(styleRow, 2, 5, 1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);
  return group;
}

QHBoxLayout* buildCommandRow(GroupingEditorUi& ui, QDialog* dialog) {
  ui.addButton = imageButton(QStringLiteral("&Add"), ButtonPicture::Add, dialog);
  ui.deleteButton = imageButton(QStringLiteral("&Delete"), ButtonPicture::Delete, dialog);
  ui.moveUpButton = imageButton(QStringLiteral("Move &Up"), ButtonPicture::MoveUp, dialog);
  ui.moveDownButton = imageButton(QStringLiteral("&Move Down"), ButtonPicture::MoveDown, dialog);
  ui.activateButton = imageButton(QStringLiteral("Activate"), ButtonPicture::Activate, dialog);
  ui.inactivateButton =
      imageButton(QStringLiteral("Inactivate"), ButtonPicture::Inactivate, dialog);
  auto* commandRow = new QHBoxLayout;
  for (QPushButton* b : {ui.addButton, ui.deleteButton, ui.moveUpButton, ui.moveDownButton,
                         ui.activateButton, ui.inactivateButton}) {
    commandRow->addWidget(b);
  }
  return commandRow;
}

// The list of groupings, and the label that names it.
QLabel* buildList(GroupingEditorUi& ui, QDialog* dialog) {
  ui.list = new GroupingList(dialog);
  ui.list->setColumnCount(5);
  QStringList headers;
  for (std::string_view h : kEditorColumnHeaders) headers << toQString(h);
  ui.list->setHeaderLabels(headers);
  ui.list->setRootIsDecorated(false);
  ui.list->setUniformRowHeights(true);
  ui.list->setAllColumnsShowFocus(true);
  ui.list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ui.list->setSelectionBehavior(QAbstractItemView::SelectRows);
  ui.list->setIconSize(QSize(16, 16));
  ui.list->header()->setSectionsMovable(false);
  ui.list->header()->setStretchLastSection(false);
  const QFontMetrics listMetrics(ui.list->font());
  ui.list->setColumnWidth(0, listMetrics.horizontalAdvance(toQString(kSingleRowName)) + 35);
  ui.list->setColumnWidth(1, listMetrics.horizontalAdvance(QString(15, QLatin1Char('W'))) + 15);
  for (int c = 2; c < 5; ++c) {
    ui.list->setColumnWidth(c, listMetrics.horizontalAdvance(headers[c]) + 15);
  }
  auto* listLabel = new QLabel(QStringLiteral("&In decreasing order of &Precedence:"), dialog);
  listLabel->setBuddy(ui.list);
  return listLabel;
}

QHBoxLayout* buildFinishRow(GroupingEditorUi& ui, QDialog* dialog) {
  ui.finishButton = imageButton(toQString(kSaveButtonText), ButtonPicture::Save, dialog);
  ui.saveAsButton = imageButton(QStringLiteral("Save As ..."), ButtonPicture::SaveAs, dialog);
  ui.cancelButton = imageButton(QStringLiteral("Cancel"), ButtonPicture::Cancel, dialog);
  setControlId(ui.cancelButton, kCancelControlId);
  ui.helpButton = imageButton(QStringLiteral("&Help"), ButtonPicture::Help, dialog);
  auto* finishRow = new QHBoxLayout;
  finishRow->addStretch(1);
  for (QPushButton* b : {ui.finishButton, ui.saveAsButton, ui.cancelButton, ui.helpButton}) {
    finishRow->addWidget(b);
  }
  return finishRow;
}

}  // namespace

void GroupingEditorUi::setupUi(QDialog* dialog, FieldSupport& support,
                               const QString& invalidLetters) {
  // Built in this order, which is also the order of the focus chain.
  QHBoxLayout* fontRow = buildFontRow(*this, dialog, support);
  QGroupBox* group = buildGroupBox(*this, dialog, invalidLetters);
  QHBoxLayout* commandRow = buildCommandRow(*this, dialog);
  QLabel* listLabel = buildList(*this, dialog);
  QHBoxLayout* finishRow = buildFinishRow(*this, dialog);

  statusBar = new QStatusBar(dialog);
  statusBar->setFixedHeight(kStatusBarHeight);
  statusBar->setSizeGripEnabled(true);

  auto* page = new QVBoxLayout;
  page->addLayout(fontRow);
  page->addWidget(group);
  page->addLayout(commandRow);
  page->addWidget(listLabel);
  page->addWidget(list, 1);
  page->addLayout(finishRow);

  auto* outer = new QVBoxLayout(dialog);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  menuBar = new QMenuBar(dialog);
  outer->setMenuBar(menuBar);
  auto* pageWidget = new QWidget(dialog);
  pageWidget->setLayout(page);
  outer->addWidget(pageWidget, 1);
  outer->addWidget(statusBar);
}

const std::vector<EditorCommandKeys>& editorCommandKeys() {
  const Qt::KeyboardModifiers numpad = Qt::ControlModifier | Qt::KeypadModifier;
  static const std::vector<EditorCommandKeys> entries = {
      {EditorCommand::Undo,
       {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
      {EditorCommand::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y)}},
      // The number pad's keys, and the main keyboard's for keyboards without one.
      {EditorCommand::Delete,
       {QKeySequence(numpad | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
      {EditorCommand::Insert,
       {QKeySequence(numpad | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus)}},
      {EditorCommand::Next, {QKeySequence(Qt::CTRL | Qt::Key_Down)}},
      {EditorCommand::Previous, {QKeySequence(Qt::CTRL | Qt::Key_Up)}},
      {EditorCommand::MoveUp,
       {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Up), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
      {EditorCommand::MoveDown,
       {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Down),
        QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
      {EditorCommand::Activate,
       {QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Return),
        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Enter)}},
      {EditorCommand::Inactivate,
       {QKeySequence(Qt::CTRL | Qt::Key_I), QKeySequence(Qt::CTRL | Qt::Key_Return),
        QKeySequence(Qt::CTRL | Qt::Key_Enter)}},
      {EditorCommand::Sort, {}},
      {EditorCommand::AddStandard, {}},
      {EditorCommand::ExtendDown, {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Down)}},
      {EditorCommand::ExtendUp, {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Up)}},
  };
  return entries;
}

}  // namespace hueset::gui
