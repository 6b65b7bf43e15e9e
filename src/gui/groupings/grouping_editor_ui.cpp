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

}  // namespace

void GroupingEditorUi::setupUi(QDialog* dialog, FieldSupport& support,
                               const QString& invalidLetters) {
  fontList = new QComboBox(dialog);
  fontList->setEditable(true);
  fontList->setInsertPolicy(QComboBox::NoInsert);
  fontList->setMaxVisibleItems(20);
  fontList->setMinimumContentsLength(24);
  auto* fontLabel = new QLabel(QStringLiteral("&Font:"), dialog);
  fontLabel->setBuddy(fontList);

  const int points = support.units().registerUnit(FieldUnit{"Points", 10.0, 1.0, 5});
  fontSize = new ScaledNumberField(support, dialog);
  fontSize->setUnit(points);
  fontSize->setName(QStringLiteral("Font Size"));
  // A size of nothing would make documents without visible text; the files
  // are held to the same range.
  fontSize->setLowerBound(BoundMode::Strict, 0);
  fontSize->setUpperBound(BoundMode::Inclusive, GroupingSet::kLargestFontSize / 10);
  const QFontMetrics metrics(dialog->font());
  fontSize->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0000000")));
  fontSpin = new FieldSpinButton(dialog);
  fontSize->setSpinButton(fontSpin);
  auto* pointsLabel = new QLabel(QStringLiteral("pts."), dialog);

  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(fontLabel);
  fontRow->addWidget(fontList, 1);
  fontRow->addSpacing(12);
  fontRow->addWidget(fontSize);
  fontRow->addWidget(fontSpin);
  fontRow->addWidget(pointsLabel);

  auto* group = new QGroupBox(QStringLiteral("Current Residue Group"), dialog);
  active = new QCheckBox(QStringLiteral("A&ctive"), group);
  name = new QLineEdit(group);
  // The separators of the text configuration file cannot be in a name.
  name->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;,]*")), name));
  auto* nameLabel = new QLabel(QStringLiteral("&Name:"), group);
  nameLabel->setBuddy(name);
  residues = new LetterSetField(group);
  residues->setMode(kLetterSetUpperCase);
  residues->setExcluded(invalidLetters);
  auto* residuesLabel = new QLabel(QStringLiteral("&Residues:"), group);
  residuesLabel->setBuddy(residues);
  marker = new QLineEdit(group);
  marker->setMaxLength(1);
  marker->setAlignment(Qt::AlignCenter);
  marker->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("WWW")));
  marker->setToolTip(toQString(kEditorColumnHeaders[2]));
  textColour = new ColourButton(group);
  auto* textLabel = new QLabel(QStringLiteral("&Text:"), group);
  textLabel->setBuddy(textColour);
  backColour = new ColourButton(group);
  auto* backLabel = new QLabel(QStringLiteral("Bac&kground:"), group);
  backLabel->setBuddy(backColour);
  bold = new QCheckBox(QStringLiteral("&Bold"), group);
  italic = new QCheckBox(QStringLiteral("&Italic"), group);
  for (ColourButton* picker : {textColour, backColour}) {
    // Enter confirms the dialog; it does not drop a colour well down.
    picker->setAutoDefault(false);
    picker->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Automatic")) + 40);
  }

  auto* grid = new QGridLayout(group);
  grid->addWidget(active, 0, 0);
  grid->addWidget(nameLabel, 0, 1, Qt::AlignRight);
  grid->addWidget(name, 0, 2, 1, 5);
  grid->addWidget(residuesLabel, 1, 1, Qt::AlignRight);
  grid->addWidget(residues, 1, 2, 1, 4);
  grid->addWidget(marker, 1, 6);
  grid->addWidget(textLabel, 2, 1, Qt::AlignRight);
  grid->addWidget(textColour, 2, 2);
  grid->addWidget(backLabel, 2, 3, Qt::AlignRight);
  grid->addWidget(backColour, 2, 4);
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(bold);
  styleRow->addWidget(italic);
  grid->addLayout(styleRow, 2, 5, 1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);

  addButton = imageButton(QStringLiteral("&Add"), ButtonPicture::Add, dialog);
  deleteButton = imageButton(QStringLiteral("&Delete"), ButtonPicture::Delete, dialog);
  moveUpButton = imageButton(QStringLiteral("Move &Up"), ButtonPicture::MoveUp, dialog);
  moveDownButton = imageButton(QStringLiteral("&Move Down"), ButtonPicture::MoveDown, dialog);
  activateButton = imageButton(QStringLiteral("Activate"), ButtonPicture::Activate, dialog);
  inactivateButton = imageButton(QStringLiteral("Inactivate"), ButtonPicture::Inactivate, dialog);
  auto* commandRow = new QHBoxLayout;
  for (QPushButton* b :
       {addButton, deleteButton, moveUpButton, moveDownButton, activateButton, inactivateButton}) {
    commandRow->addWidget(b);
  }

  list = new GroupingList(dialog);
  list->setColumnCount(5);
  QStringList headers;
  for (std::string_view h : kEditorColumnHeaders) headers << toQString(h);
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setIconSize(QSize(16, 16));
  list->header()->setSectionsMovable(false);
  list->header()->setStretchLastSection(false);
  const QFontMetrics listMetrics(list->font());
  list->setColumnWidth(0, listMetrics.horizontalAdvance(toQString(kSingleRowName)) + 35);
  list->setColumnWidth(1, listMetrics.horizontalAdvance(QString(15, QLatin1Char('W'))) + 15);
  for (int c = 2; c < 5; ++c) {
    list->setColumnWidth(c, listMetrics.horizontalAdvance(headers[c]) + 15);
  }
  auto* listLabel = new QLabel(QStringLiteral("&In decreasing order of &Precedence:"), dialog);
  listLabel->setBuddy(list);

  finishButton = imageButton(toQString(kSaveButtonText), ButtonPicture::Save, dialog);
  saveAsButton = imageButton(QStringLiteral("Save As ..."), ButtonPicture::SaveAs, dialog);
  cancelButton = imageButton(QStringLiteral("Cancel"), ButtonPicture::Cancel, dialog);
  setControlId(cancelButton, kCancelControlId);
  helpButton = imageButton(QStringLiteral("&Help"), ButtonPicture::Help, dialog);
  auto* finishRow = new QHBoxLayout;
  finishRow->addStretch(1);
  for (QPushButton* b : {finishButton, saveAsButton, cancelButton, helpButton}) {
    finishRow->addWidget(b);
  }

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
