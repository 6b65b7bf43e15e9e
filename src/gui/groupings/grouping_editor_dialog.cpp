#include "gui/groupings/grouping_editor_dialog.h"

#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/controls/colour_button.h"
#include "desktop/command_ids.h"
#include "gui/common/message_box.h"
#include "gui/common/qt_text.h"
#include "util/string_table.h"

namespace hueset::gui {
namespace {

// The idle text of the status bar.
constexpr StringId kIdlePrompt = 57345;
constexpr int kStatusBarHeight = 25;

QString fromTable(StringId id) { return withLineFeeds(loadString(id)); }

// A small picture drawn in code, with a transparent background.
QIcon drawnIcon(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return QIcon(pixmap);
}

QIcon plusIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0, 128, 0), 2.4));
    p.drawLine(QPointF(r.center().x(), 1.5), QPointF(r.center().x(), r.height() - 1.5));
    p.drawLine(QPointF(1.5, r.center().y()), QPointF(r.width() - 1.5, r.center().y()));
  });
}

QIcon crossIcon(const QColor& colour) {
  return drawnIcon({12, 12}, [colour](QPainter& p, const QRectF& r) {
    p.setPen(QPen(colour, 2.2));
    p.drawLine(QPointF(2, 2), QPointF(r.width() - 2, r.height() - 2));
    p.drawLine(QPointF(r.width() - 2, 2), QPointF(2, r.height() - 2));
  });
}

QIcon arrowIcon(bool up) {
  return drawnIcon({12, 12}, [up](QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal top = up ? 2 : r.height() - 2;
    const qreal base = up ? r.height() - 3 : 3;
    path.moveTo(r.center().x(), top);
    path.lineTo(r.width() - 1, base);
    path.lineTo(1, base);
    path.closeSubpath();
    p.fillPath(path, QColor(0, 0, 128));
  });
}

QIcon tickIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF&) {
    p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(1.5, 6.5), QPointF(4.5, 9.5), QPointF(10.5, 2.5)}));
  });
}

QIcon offIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(128, 128, 128), 1.6));
    p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
    p.drawLine(QPointF(3, 9), QPointF(9, 3));
  });
}

QIcon diskIcon(bool saveAs) {
  return drawnIcon({12, 12}, [saveAs](QPainter& p, const QRectF&) {
    p.fillRect(QRectF(1, 1, 10, 10), QColor(0, 0, 128));
    p.fillRect(QRectF(3, 1, 6, 4), QColor(230, 230, 230));
    p.fillRect(QRectF(3, 7, 6, 4), QColor(192, 192, 192));
    if (saveAs) {
      p.setPen(QPen(QColor(255, 0, 0), 1.6));
      p.drawLine(QPointF(7, 11), QPointF(11, 7));
    }
  });
}

QIcon helpIcon() {
  return drawnIcon({16, 15}, [](QPainter& p, const QRectF& r) {
    p.setBrush(QColor(0, 0, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(r.adjusted(1, 0.5, -1, -0.5));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
  });
}

// The state images of the list: a ticked box for an active grouping, an
// empty one for an inactive grouping.
QIcon stateIcon(bool active) {
  return drawnIcon({16, 16}, [active](QPainter& p, const QRectF&) {
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    if (active) {
      p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)}));
    }
  });
}

// The marks of the font list: "TT" for outline faces, a frame for faces of
// fixed pitch.
QIcon faceIcon(bool outline, bool fixedPitch) {
  return drawnIcon({20, 12}, [outline, fixedPitch](QPainter& p, const QRectF& r) {
    if (fixedPitch) {
      p.setPen(QPen(QColor(128, 128, 128), 1));
      p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (outline) {
      QFont f = p.font();
      f.setPixelSize(9);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0, 0, 160));
      p.drawText(r, Qt::AlignCenter, QStringLiteral("TT"));
    }
  });
}

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

QPushButton* imageButton(const QString& text, const QIcon& icon, QWidget* parent,
                         QSize iconSize = {12, 12}) {
  auto* button = new QPushButton(icon, text, parent);
  button->setIconSize(iconSize);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

// GroupingList

GroupingList::GroupingList(QWidget* parent) : QTreeWidget(parent) {}

bool GroupingList::wouldChangeSelection(QMouseEvent* event) const {
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return true;
  const QModelIndex index = indexAt(event->position().toPoint());
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return !(index.isValid() && selected.size() == 1 &&
           indexOfTopLevelItem(selected.front()) == index.row());
}

void GroupingList::mousePressEvent(QMouseEvent* event) {
  m_refused = wouldChangeSelection(event) && !allowed();
  if (m_refused) {
    event->accept();
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

void GroupingList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (m_refused || (wouldChangeSelection(event) && !allowed())) {
    event->accept();
    return;
  }
  QTreeWidget::mouseDoubleClickEvent(event);
}

void GroupingList::mouseMoveEvent(QMouseEvent* event) {
  if (m_refused && event->buttons() != Qt::NoButton) {
    event->accept();
    return;
  }
  QTreeWidget::mouseMoveEvent(event);
}

void GroupingList::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
      if (!allowed()) {
        event->accept();
        return;
      }
      break;
    default: break;
  }
  QTreeWidget::keyPressEvent(event);
}

// ResiduePreviewDelegate

ResiduePreviewDelegate::ResiduePreviewDelegate(const GroupingEditorModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

QFont ResiduePreviewDelegate::previewFont(const QFont& base, const ResidueFormat& format) const {
  QFont font = base;
  if (!m_face.isEmpty()) font.setFamily(m_face);
  font.setWeight(format.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(format.italic);
  return font;
}

void ResiduePreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const int row = index.row();
  if (row < 0 || row >= m_model.rowCount()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const ResidueFormat& format = m_model.rows()[static_cast<std::size_t>(row)].format;
  painter->save();
  painter->fillRect(option.rect, toQColor(format.backColour));
  painter->setFont(previewFont(option.font, format));
  painter->setPen(toQColor(format.textColour));
  const QRect text = option.rect.adjusted(3, 0, -3, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                    toQString(m_model.previewText(row)));
  painter->restore();
}

// GroupingEditorDialog

GroupingEditorDialog::GroupingEditorDialog(GroupingSet& target,
                                           const GroupingsEditorRequest& request,
                                           EditorSave save, QWidget* parent)
    : QDialog(parent),
      m_target(target),
      m_save(std::move(save)),
      m_model(target, request.invalidLetters, request.confirmationMode),
      m_webSafe(request.webSafePalette) {
  m_message = [](QWidget* owner, const QString& text, PromptIcon icon, PromptButtons buttons) {
    return showMessageBox(owner, QStringLiteral("HUESET"), text, icon, buttons);
  };
  m_fieldSupport.exempt().add(kCancelControlId);

  setWindowTitle(request.confirmationMode && !request.caption.empty()
                     ? toQString(request.caption)
                     : toQString(kEditorTitle));
  buildControls();
  buildMenus();
  connectControls();
  loadFonts(installedFaces());

  // The colour pickers offer the web-safe colours, or else the 40 colours
  // and every colour the groupings already use.
  for (ColourButton* picker : {m_textColour, m_backColour}) {
    if (m_webSafe) {
      picker->colourSet().setPalette(webSafePalette());
      picker->colourSet().setColumns(kWebSafePaletteColumns);
    } else {
      for (Colour c : m_model.rowColours()) picker->colourSet().addCustomColour(c);
    }
  }

  m_updating = true;
  m_fontSize->exchangeIn(m_model.fontSize());
  m_updating = false;
  refreshList();
  showCurrent();
  scrollToSelection();
  updateCommands();
  m_statusBar->showMessage(fromTable(kIdlePrompt));
  m_list->setFocus(Qt::OtherFocusReason);

  // Every child passes the editor's keys on before handling them itself.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  // The size of the dialog (388 by 324 dialog units) plus the menu bar and
  // the status bar.
  const QFontMetrics metrics(font());
  const int width = 388 * metrics.averageCharWidth() / 4;
  const int height = 324 * metrics.height() / 8;
  resize(width, height + kStatusBarHeight + m_menuBar->sizeHint().height());
}

GroupingEditorDialog::~GroupingEditorDialog() = default;

void GroupingEditorDialog::buildControls() {
  m_fontList = new QComboBox(this);
  m_fontList->setEditable(true);
  m_fontList->setInsertPolicy(QComboBox::NoInsert);
  m_fontList->setMaxVisibleItems(20);
  m_fontList->setMinimumContentsLength(24);
  auto* fontLabel = new QLabel(QStringLiteral("&Font:"), this);
  fontLabel->setBuddy(m_fontList);

  const int points = m_fieldSupport.units().registerUnit(FieldUnit{"Points", 10.0, 1.0, 5});
  m_fontSize = new ScaledNumberField(m_fieldSupport, this);
  m_fontSize->setUnit(points);
  m_fontSize->setName(QStringLiteral("Font Size"));
  // A size of nothing would make documents without visible text.
  m_fontSize->setLowerBound(BoundMode::Strict, 0);
  m_fontSize->setUpperBound(BoundMode::Inclusive, 144);
  m_fontSize->setMaximumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000000")));
  m_fontSpin = new FieldSpinButton(this);
  m_fontSize->setSpinButton(m_fontSpin);
  auto* pointsLabel = new QLabel(QStringLiteral("pts."), this);

  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(fontLabel);
  fontRow->addWidget(m_fontList, 1);
  fontRow->addSpacing(12);
  fontRow->addWidget(m_fontSize);
  fontRow->addWidget(m_fontSpin);
  fontRow->addWidget(pointsLabel);

  auto* group = new QGroupBox(QStringLiteral("Current Residue Group"), this);
  m_active = new QCheckBox(QStringLiteral("A&ctive"), group);
  m_name = new QLineEdit(group);
  // The separators of the text configuration file cannot be in a name.
  m_name->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;,]*")),
                                                       m_name));
  auto* nameLabel = new QLabel(QStringLiteral("&Name:"), group);
  nameLabel->setBuddy(m_name);
  m_residues = new LetterSetField(group);
  m_residues->setMode(kLetterSetUpperCase);
  m_residues->setExcluded(toQString(m_model.invalidLetters()));
  auto* residuesLabel = new QLabel(QStringLiteral("&Residues:"), group);
  residuesLabel->setBuddy(m_residues);
  m_marker = new QLineEdit(group);
  m_marker->setMaxLength(1);
  m_marker->setAlignment(Qt::AlignCenter);
  m_marker->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("WWW")));
  m_marker->setToolTip(toQString(kEditorColumnHeaders[2]));
  m_textColour = new ColourButton(group);
  auto* textLabel = new QLabel(QStringLiteral("&Text:"), group);
  textLabel->setBuddy(m_textColour);
  m_backColour = new ColourButton(group);
  auto* backLabel = new QLabel(QStringLiteral("Bac&kground:"), group);
  backLabel->setBuddy(m_backColour);
  m_bold = new QCheckBox(QStringLiteral("&Bold"), group);
  m_italic = new QCheckBox(QStringLiteral("&Italic"), group);
  for (ColourButton* picker : {m_textColour, m_backColour}) {
    // Enter confirms the dialog; it does not drop a colour well down.
    picker->setAutoDefault(false);
    picker->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("Automatic")) + 40);
  }

  auto* grid = new QGridLayout(group);
  grid->addWidget(m_active, 0, 0);
  grid->addWidget(nameLabel, 0, 1, Qt::AlignRight);
  grid->addWidget(m_name, 0, 2, 1, 5);
  grid->addWidget(residuesLabel, 1, 1, Qt::AlignRight);
  grid->addWidget(m_residues, 1, 2, 1, 4);
  grid->addWidget(m_marker, 1, 6);
  grid->addWidget(textLabel, 2, 1, Qt::AlignRight);
  grid->addWidget(m_textColour, 2, 2);
  grid->addWidget(backLabel, 2, 3, Qt::AlignRight);
  grid->addWidget(m_backColour, 2, 4);
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(m_bold);
  styleRow->addWidget(m_italic);
  grid->addLayout(styleRow, 2, 5, 1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);

  m_addButton = imageButton(QStringLiteral("&Add"), plusIcon(), this);
  m_deleteButton = imageButton(QStringLiteral("&Delete"), crossIcon(QColor(192, 0, 0)), this);
  m_moveUpButton = imageButton(QStringLiteral("Move &Up"), arrowIcon(true), this);
  m_moveDownButton = imageButton(QStringLiteral("&Move Down"), arrowIcon(false), this);
  m_activateButton = imageButton(QStringLiteral("Activate"), tickIcon(), this);
  m_inactivateButton = imageButton(QStringLiteral("Inactivate"), offIcon(), this);
  auto* commandRow = new QHBoxLayout;
  for (QPushButton* b : {m_addButton, m_deleteButton, m_moveUpButton, m_moveDownButton,
                         m_activateButton, m_inactivateButton}) {
    commandRow->addWidget(b);
  }

  m_list = new GroupingList(this);
  m_list->setColumnCount(5);
  QStringList headers;
  for (std::string_view h : kEditorColumnHeaders) headers << toQString(h);
  m_list->setHeaderLabels(headers);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setIconSize(QSize(16, 16));
  m_list->header()->setSectionsMovable(false);
  m_list->header()->setStretchLastSection(false);
  const QFontMetrics listMetrics(m_list->font());
  m_list->setColumnWidth(0, listMetrics.horizontalAdvance(toQString(kSingleRowName)) + 35);
  m_list->setColumnWidth(1, listMetrics.horizontalAdvance(QString(15, QLatin1Char('W'))) + 15);
  for (int c = 2; c < 5; ++c) {
    m_list->setColumnWidth(c, listMetrics.horizontalAdvance(headers[c]) + 15);
  }
  m_preview = new ResiduePreviewDelegate(m_model, m_list);
  m_list->setItemDelegateForColumn(static_cast<int>(EditorColumn::Residues), m_preview);
  m_list->setGuard([this] { return selectionMayChange(); });
  auto* listLabel = new QLabel(QStringLiteral("&In decreasing order of &Precedence:"), this);
  listLabel->setBuddy(m_list);

  m_finishButton = imageButton(toQString(kSaveButtonText), diskIcon(false), this);
  m_saveAsButton = imageButton(QStringLiteral("Save As ..."), diskIcon(true), this);
  m_cancelButton = imageButton(QStringLiteral("Cancel"), crossIcon(QColor(128, 0, 0)), this);
  setControlId(m_cancelButton, kCancelControlId);
  m_helpButton = imageButton(QStringLiteral("&Help"), helpIcon(), this, {16, 15});
  auto* finishRow = new QHBoxLayout;
  finishRow->addStretch(1);
  for (QPushButton* b : {m_finishButton, m_saveAsButton, m_cancelButton, m_helpButton}) {
    finishRow->addWidget(b);
  }

  m_statusBar = new QStatusBar(this);
  m_statusBar->setFixedHeight(kStatusBarHeight);
  m_statusBar->setSizeGripEnabled(true);

  auto* page = new QVBoxLayout;
  page->addLayout(fontRow);
  page->addWidget(group);
  page->addLayout(commandRow);
  page->addWidget(listLabel);
  page->addWidget(m_list, 1);
  page->addLayout(finishRow);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  outer->setMenuBar(m_menuBar);
  auto* pageWidget = new QWidget(this);
  pageWidget->setLayout(page);
  outer->addWidget(pageWidget, 1);
  outer->addWidget(m_statusBar);
}

void GroupingEditorDialog::buildMenus() {
  struct Entry {
    EditorCommand command;
    QList<QKeySequence> keys;
  };
  const Qt::KeyboardModifiers numpad = Qt::ControlModifier | Qt::KeypadModifier;
  const Entry entries[] = {
      {EditorCommand::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
      {EditorCommand::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y)}},
      // The number pad's keys, and the main keyboard's for keyboards without one.
      {EditorCommand::Delete, {QKeySequence(numpad | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
      {EditorCommand::Insert, {QKeySequence(numpad | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus)}},
      {EditorCommand::Next, {QKeySequence(Qt::CTRL | Qt::Key_Down)}},
      {EditorCommand::Previous, {QKeySequence(Qt::CTRL | Qt::Key_Up)}},
      {EditorCommand::MoveUp, {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Up), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
      {EditorCommand::MoveDown, {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Down), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
      {EditorCommand::Activate, {QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Enter)}},
      {EditorCommand::Inactivate, {QKeySequence(Qt::CTRL | Qt::Key_I), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}},
      {EditorCommand::Sort, {}},
      {EditorCommand::AddStandard, {}},
      {EditorCommand::ExtendDown, {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Down)}},
      {EditorCommand::ExtendUp, {QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Up)}},
  };
  // The menu items name their keys in their texts; the keys themselves are
  // separate actions of the dialog, so the menu shows no other key text.
  for (const Entry& e : entries) {
    const EditorCommand command = e.command;
    auto* item = new QAction(toQString(editorMenuText(command)), this);
    item->setStatusTip(toQString(editorCommandPrompt(command)));
    connect(item, &QAction::triggered, this, [this, command] { runCommand(command); });
    connect(item, &QAction::hovered, this,
            [this, item] { m_statusBar->showMessage(item->statusTip()); });
    m_actions[command] = item;
    if (e.keys.isEmpty()) continue;
    auto* keys = new QAction(this);
    keys->setShortcuts(e.keys);
    keys->setShortcutContext(Qt::WindowShortcut);
    connect(keys, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(keys);
    m_keys[command] = keys;
  }

  m_editMenu = m_menuBar->addMenu(QStringLiteral("&Edit"));
  auto add = [this](EditorCommand c) { m_editMenu->addAction(m_actions[c]); };
  add(EditorCommand::Undo);
  add(EditorCommand::Redo);
  m_editMenu->addSeparator();
  add(EditorCommand::Delete);
  add(EditorCommand::Insert);
  m_editMenu->addSeparator();
  add(EditorCommand::Next);
  add(EditorCommand::Previous);
  m_editMenu->addSeparator();
  add(EditorCommand::MoveUp);
  add(EditorCommand::MoveDown);
  m_editMenu->addSeparator();
  add(EditorCommand::Activate);
  add(EditorCommand::Inactivate);
  m_editMenu->addSeparator();
  add(EditorCommand::Sort);
  add(EditorCommand::AddStandard);

  QMenu* helpMenu = m_menuBar->addMenu(QStringLiteral("&Help"));
  auto* helpAction = new QAction(QStringLiteral("&Help\tF1"), this);
  helpAction->setShortcut(QKeySequence(Qt::Key_F1));
  connect(helpAction, &QAction::triggered, m_helpButton, &QPushButton::click);
  addAction(helpAction);
  helpMenu->addAction(helpAction);

  for (QMenu* menu : {m_editMenu, helpMenu}) {
    connect(menu, &QMenu::aboutToShow, this, &GroupingEditorDialog::updateCommands);
    connect(menu, &QMenu::aboutToHide, this,
            [this] { m_statusBar->showMessage(fromTable(kIdlePrompt)); });
  }
}

void GroupingEditorDialog::connectControls() {
  connect(m_fontList, &QComboBox::activated, this, [this](int index) {
    if (m_updating || index < 0) return;
    m_model.chooseFace(static_cast<std::size_t>(index));
    showFont();
    updateCommands();
  });
  connect(m_fontList, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (m_updating) return;
    const std::string before = m_model.fontFace();
    m_model.typeFace(toStdString(text));
    if (m_model.fontFace() != before) {
      m_preview->setFace(toQString(m_model.fontFace()));
      m_list->viewport()->update();
    }
    updateCommands();
  });
  connect(m_fontSize, &ValidatingField::valueChanged, this, [this] {
    if (m_updating || !m_fontSize->model().valid()) return;
    const std::optional<double> points = m_fontSize->model().value();
    if (!points) return;
    m_model.setFontSize(static_cast<std::int32_t>(std::lround(*points * 10.0)));
    updateCommands();
  });

  connect(m_active, &QCheckBox::clicked, this,
          [this](bool on) { detailEdited(m_model.setActive(on)); });
  connect(m_bold, &QCheckBox::clicked, this, [this](bool on) { detailEdited(m_model.setBold(on)); });
  connect(m_italic, &QCheckBox::clicked, this,
          [this](bool on) { detailEdited(m_model.setItalic(on)); });
  connect(m_name, &QLineEdit::textEdited, this,
          [this](const QString& text) { detailEdited(m_model.setName(toStdString(text))); });
  connect(m_residues, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!m_updating) detailEdited(m_model.setResidues(toStdString(text)));
  });
  connect(m_marker, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!m_updating) detailEdited(m_model.setMarker(toStdString(text)));
  });
  connect(m_textColour, &ColourButton::colourChanged, this, [this](Colour c) {
    if (!m_updating) detailEdited(m_model.setTextColour(c));
  });
  connect(m_backColour, &ColourButton::colourChanged, this, [this](Colour c) {
    if (!m_updating) detailEdited(m_model.setBackColour(c));
  });

  connect(m_addButton, &QPushButton::clicked, this, [this] { handle(m_model.add()); });
  connect(m_deleteButton, &QPushButton::clicked, this, [this] { handle(m_model.remove()); });
  connect(m_moveUpButton, &QPushButton::clicked, this, [this] { handle(m_model.moveUp()); });
  connect(m_moveDownButton, &QPushButton::clicked, this, [this] { handle(m_model.moveDown()); });
  connect(m_activateButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::Activate); });
  connect(m_inactivateButton, &QPushButton::clicked, this,
          [this] { runCommand(EditorCommand::Inactivate); });

  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &GroupingEditorDialog::listSelectionChanged);
  connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &GroupingEditorDialog::listSelectionChanged);

  connect(m_finishButton, &QPushButton::clicked, this, &GroupingEditorDialog::finish);
  connect(m_saveAsButton, &QPushButton::clicked, this, [this] { save(true); });
  connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_helpButton, &QPushButton::clicked, this, [this] {
    if (m_help) m_help(kGroupingsEditorHelpContext);
  });
}

void GroupingEditorDialog::loadFonts(const QStringList& faces) {
  std::vector<std::string> list;
  for (const QString& f : faces) list.push_back(toStdString(f));
  m_model.setFontFaces(std::move(list));
  m_updating = true;
  m_fontList->clear();
  for (const std::string& face : m_model.fontFaces()) {
    const QString family = toQString(face);
    const bool installed = faces.contains(family);
    const bool outline = installed && QFontDatabase::isSmoothlyScalable(family);
    const bool fixed = installed && QFontDatabase::isFixedPitch(family);
    m_fontList->addItem(faceIcon(outline, fixed), family);
    QStringList notes;
    if (outline) notes << QStringLiteral("TrueType");
    if (fixed) notes << QStringLiteral("fixed pitch");
    if (!installed) notes << QStringLiteral("not installed");
    if (!notes.isEmpty()) {
      m_fontList->setItemData(m_fontList->count() - 1, notes.join(QStringLiteral(", ")),
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
    if (watched == m_marker && event->type() == QEvent::KeyPress && m_marker->isEnabled()) {
      const QString typed = key->text();
      const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
      if (plain && typed.size() == 1 && typed[0].isPrint() && typed[0].unicode() < 256) {
        // A typed character replaces the marker there was.
        m_marker->setText(typed);
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
  while (m_list->topLevelItemCount() > rows) delete m_list->takeTopLevelItem(m_list->topLevelItemCount() - 1);
  while (m_list->topLevelItemCount() < rows) m_list->addTopLevelItem(new QTreeWidgetItem);
  for (int r = 0; r < rows; ++r) refreshRow(r);

  QItemSelection selection;
  QAbstractItemModel* items = m_list->model();
  for (int r : m_model.selection()) {
    selection.select(items->index(r, 0), items->index(r, 4));
  }
  m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const int focused = m_model.focused();
  m_list->selectionModel()->setCurrentIndex(focused >= 0 ? items->index(focused, 0) : QModelIndex(),
                                            QItemSelectionModel::NoUpdate);
  m_updating = wasUpdating;
}

void GroupingEditorDialog::refreshRow(int row) {
  QTreeWidgetItem* item = m_list->topLevelItem(row);
  if (!item || row >= m_model.rowCount()) return;
  for (int c = 0; c < 5; ++c) {
    item->setText(c, toQString(m_model.cellText(row, static_cast<EditorColumn>(c))));
  }
  item->setIcon(0, stateIcon(m_model.rows()[static_cast<std::size_t>(row)].active));
  m_list->viewport()->update();
}

void GroupingEditorDialog::showCurrent() {
  const bool wasUpdating = m_updating;
  m_updating = true;
  const DetailControls c = m_model.detailControls();
  auto enable = [this](QWidget* w, bool on) {
    // The focus does not stay on a control that goes grey.
    if (!on && w->hasFocus()) m_list->setFocus();
    w->setEnabled(on);
  };
  enable(m_active, c.activeEnabled);
  enable(m_name, c.nameEnabled);
  enable(m_residues, c.residuesEnabled);
  enable(m_marker, c.markerEnabled);
  enable(m_textColour, c.formatEnabled);
  enable(m_backColour, c.formatEnabled);
  enable(m_bold, c.formatEnabled);
  enable(m_italic, c.formatEnabled);
  if (c.shown) {
    const ResidueGrouping& g = m_model.rows()[static_cast<std::size_t>(*m_model.currentRow())];
    m_active->setChecked(g.active);
    m_name->setText(toQString(g.name));
    m_residues->setText(toQString(g.residues));
    m_marker->setText(QString(QChar(static_cast<unsigned char>(g.marker))));
    for (auto [picker, colour] : {std::pair{m_textColour, g.format.textColour},
                                  std::pair{m_backColour, g.format.backColour}}) {
      if (!m_webSafe) picker->colourSet().addCustomColour(colour);
      picker->exchangeIn(colour);
    }
    m_bold->setChecked(g.format.bold);
    m_italic->setChecked(g.format.italic);
  } else {
    m_active->setChecked(false);
    m_name->clear();
    m_residues->clear();
    m_marker->clear();
    m_textColour->setColour(kColourNone);
    m_backColour->setColour(kColourNone);
    m_bold->setChecked(false);
    m_italic->setChecked(false);
  }
  m_updating = wasUpdating;
}

void GroupingEditorDialog::showFont() {
  const bool wasUpdating = m_updating;
  m_updating = true;
  if (const auto index = m_model.faceIndex()) m_fontList->setCurrentIndex(static_cast<int>(*index));
  m_fontList->setEditText(toQString(m_model.typedFace()));
  m_updating = wasUpdating;
  m_preview->setFace(toQString(m_model.fontFace()));
  m_list->viewport()->update();
}

void GroupingEditorDialog::scrollToSelection() {
  const int row = m_model.selection().empty() ? m_model.focused() : m_model.selection().front();
  if (QTreeWidgetItem* item = row >= 0 ? m_list->topLevelItem(row) : nullptr) {
    m_list->scrollToItem(item);
  }
}

void GroupingEditorDialog::updateCommands() {
  for (const auto& [command, a] : m_actions) a->setEnabled(m_model.enabled(command));
  for (const auto& [command, a] : m_keys) a->setEnabled(m_model.enabled(command));
  m_actions[EditorCommand::Undo]->setText(toQString(m_model.undoText()));
  m_actions[EditorCommand::Redo]->setText(toQString(m_model.redoText()));
  m_activateButton->setEnabled(m_model.enabled(EditorCommand::Activate));
  m_inactivateButton->setEnabled(m_model.enabled(EditorCommand::Inactivate));
  const FinishButton finish = m_model.finishButton();
  m_finishButton->setText(toQString(finish.text));
  m_finishButton->setEnabled(finish.enabled);
  m_finishButton->setDefault(finish.enabled);
}

void GroupingEditorDialog::listSelectionChanged() {
  if (m_updating) return;
  std::vector<int> rows;
  for (QTreeWidgetItem* item : m_list->selectedItems()) {
    rows.push_back(m_list->indexOfTopLevelItem(item));
  }
  const QModelIndex current = m_list->selectionModel()->currentIndex();
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
  switch (command) {
    case EditorCommand::Undo: applied(m_model.undo()); break;
    case EditorCommand::Redo: applied(m_model.redo()); break;
    case EditorCommand::Delete: handle(m_model.remove()); break;
    case EditorCommand::Insert: handle(m_model.add()); break;
    case EditorCommand::Next: handle(m_model.next()); break;
    case EditorCommand::Previous: handle(m_model.previous()); break;
    case EditorCommand::MoveUp: handle(m_model.moveUp()); break;
    case EditorCommand::MoveDown: handle(m_model.moveDown()); break;
    case EditorCommand::Activate: handle(m_model.activate()); break;
    case EditorCommand::Inactivate: handle(m_model.inactivate()); break;
    case EditorCommand::Sort: handle(m_model.sort()); break;
    case EditorCommand::ExtendDown: handle(m_model.extendDown()); break;
    case EditorCommand::ExtendUp: handle(m_model.extendUp()); break;
    case EditorCommand::AddStandard:
      handle(m_model.addStandardAminoAcids([this] {
        return message(fromTable(kStandardNamesInUseMessage), PromptIcon::Question,
                       PromptButtons::OkCancel);
      }));
      break;
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
    case EditScope::FontSize: m_fontSize->exchangeIn(m_model.fontSize()); break;
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
    case EditorControl::FontList: target = m_fontList; break;
    case EditorControl::FontSize: target = m_fontSize; break;
    case EditorControl::Name: target = m_name; break;
    case EditorControl::Residues: target = m_residues; break;
    case EditorControl::Marker: target = m_marker; break;
    case EditorControl::List: target = m_list; break;
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
  const std::optional<int> size = m_fontSize->exchangeOut();
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
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace hueset::gui
