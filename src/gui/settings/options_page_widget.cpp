#include "gui/settings/options_page_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

constexpr int kIndentStep = 22;

QLabel* makeLabel(std::string_view text, QWidget* parent) {
  auto* label = new QLabel(withLineFeeds(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// Wide enough for `characters` digits (or letters) and the frame.
int editWidth(const QWidget* edit, int characters) {
  return edit->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) + 14;
}

}  // namespace

OptionsPageWidget::OptionsPageWidget(OptionsPage page, const PageSetup& setup, QWidget* parent)
    : PropertyPage(parent),
      m_layout(buildPageLayout(page, setup.verbose)),
      m_copies(setup.copies),
      m_support(setup.support) {
  setObjectName(toQString(optionsPageInfo(page).className));
  registerPageEnvironment(page, m_support.environment());
  build();
  loadPage(page, m_copies, *this);
}

QWidget* OptionsPageWidget::makeItem(const PageItem& item, QWidget* parent) {
  switch (item.kind) {
    case PageItemKind::Label: return makeLabel(item.text, parent);
    case PageItemKind::Explanation: {
      QLabel* label = makeLabel(item.text, parent);
      label->setWordWrap(true);
      return label;
    }
    case PageItemKind::CheckBox: return new QCheckBox(toQString(item.text), parent);
    case PageItemKind::RadioButton: return new QRadioButton(toQString(item.text), parent);
    case PageItemKind::PushButton: return new QPushButton(toQString(item.text), parent);
    case PageItemKind::IntegerField:
    case PageItemKind::PercentField: {
      ValidatingField* field = nullptr;
      if (item.kind == PageItemKind::PercentField) {
        auto* scaled = new ScaledNumberField(m_support, parent);
        // Chosen before the field is shown: the field keeps its own precision.
        if (auto unit = m_support.units().find(percentUnit().suffix)) scaled->setUnit(*unit);
        field = scaled;
      } else {
        field = new IntegerField(m_support, parent);
      }
      if (auto spec = findNumberField(page(), item.id)) {
        field->setName(toQString(spec->name));
        field->setLowerBound(spec->lower.mode, spec->lower.value);
        field->setUpperBound(spec->upper.mode, spec->upper.value);
      }
      field->setFixedWidth(editWidth(field, 5));
      return field;
    }
    case PageItemKind::LetterSetField: {
      auto* field = new LetterSetField(parent);
      field->setMode(letterSetMode(item.id));
      field->setFixedWidth(editWidth(field, 9));
      return field;
    }
    case PageItemKind::CharacterEdit: {
      auto* edit = new QLineEdit(parent);
      edit->setMaxLength(1);
      edit->setFixedWidth(editWidth(edit, 2));
      return edit;
    }
    case PageItemKind::TextField: {
      auto* edit = new QLineEdit(parent);
      edit->setPlaceholderText(toQString(item.text));
      edit->setMinimumWidth(
          std::max(editWidth(edit, 20),
                   edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 14));
      return edit;
    }
  }
  return nullptr;
}

void OptionsPageWidget::build() {
  auto* pageLayout = new QVBoxLayout(this);
  for (const PageGroup& group : m_layout.groups) {
    QWidget* box = this;
    QVBoxLayout* rows = nullptr;
    if (group.title.empty()) {
      rows = new QVBoxLayout;
      rows->setContentsMargins(0, 0, 0, 0);
      pageLayout->addLayout(rows);
    } else {
      auto* frame = new QGroupBox(toQString(group.title), this);
      rows = new QVBoxLayout(frame);
      pageLayout->addWidget(frame);
      box = frame;
    }
    for (const PageRow& row : group.rows) {
      auto* line = new QHBoxLayout;
      line->setContentsMargins(row.indent * kIndentStep, 0, 0, 0);
      QLabel* pendingBuddy = nullptr;
      for (const PageItem& item : row.items) {
        QWidget* widget = makeItem(item, box);
        if (!widget) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
          m_labels << label;
          if (item.kind == PageItemKind::Label) pendingBuddy = label;
        }
        if (!item.id.isNone()) {
          setControlId(widget, item.id.value());
          m_controls[item.id] = widget;
          if (pendingBuddy) {
            pendingBuddy->setBuddy(widget);
            pendingBuddy = nullptr;
          }
        }
        if (!item.spinId.isNone()) {
          // The buttons sit against their field.
          auto* pair = new QHBoxLayout;
          pair->setSpacing(0);
          pair->addWidget(widget);
          auto* spin = new FieldSpinButton(box);
          setControlId(spin, item.spinId.value());
          static_cast<ValidatingField*>(widget)->setSpinButton(spin);
          m_spins[item.id] = spin;
          pair->addWidget(spin);
          line->addLayout(pair);
        } else {
          line->addWidget(widget, item.kind == PageItemKind::Explanation ? 1 : 0);
        }
      }
      if (row.items.size() != 1 || row.items.front().kind != PageItemKind::Explanation) {
        line->addStretch(1);
      }
      rows->addLayout(line);
    }
  }
  pageLayout->addStretch(1);

  for (const RadioGroupSpec& spec : radioGroupSpecs(page())) {
    auto* group = new QButtonGroup(this);
    for (const RadioChoice& choice : spec.choices) {
      if (auto* radio = qobject_cast<QRadioButton*>(control(choice.id))) {
        group->addButton(radio);
        m_radioGroups[choice.id] = group;
      }
    }
  }
}

QWidget* OptionsPageWidget::control(ControlId id) const {
  auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

QAbstractButton* OptionsPageWidget::button(ControlId id) const {
  return qobject_cast<QAbstractButton*>(control(id));
}

ValidatingField* OptionsPageWidget::field(ControlId id) const {
  return qobject_cast<ValidatingField*>(control(id));
}

FieldSpinButton* OptionsPageWidget::spinButton(ControlId field) const {
  auto it = m_spins.find(field);
  return it == m_spins.end() ? nullptr : it->second;
}

QLineEdit* OptionsPageWidget::edit(ControlId id) const {
  return qobject_cast<QLineEdit*>(control(id));
}

void OptionsPageWidget::onSetActive() {
  // The first activation shows what the page was built with; later ones
  // show the copies as the last leaving read them.
  if (m_entered) loadPage(page(), m_copies, *this);
  m_entered = true;
}

bool OptionsPageWidget::onKillActive() {
  m_entered = true;
  return storePage(page(), *this, m_copies).ok;
}

void OptionsPageWidget::setChecked(ControlId id, bool checked) {
  QAbstractButton* b = button(id);
  if (!b) return;
  auto group = m_radioGroups.find(id);
  if (!checked && group != m_radioGroups.end() && b->isChecked()) {
    // An exclusive group would keep its one checked button.
    group->second->setExclusive(false);
    b->setChecked(false);
    group->second->setExclusive(true);
    return;
  }
  b->setChecked(checked);
}

bool OptionsPageWidget::isChecked(ControlId id) const {
  const QAbstractButton* b = button(id);
  return b && b->isChecked();
}

void OptionsPageWidget::setNumber(ControlId id, int storedValue) {
  if (ValidatingField* f = field(id)) f->loadValue(storedValue);
}

std::optional<int> OptionsPageWidget::number(ControlId id) {
  ValidatingField* f = field(id);
  if (!f) return std::nullopt;
  // A field that lost the focus while wrong is about to say so itself.
  if (m_support.complaining() == f) return std::nullopt;
  return f->storeValue();
}

void OptionsPageWidget::setText(ControlId id, const std::string& text) {
  if (QLineEdit* e = edit(id)) e->setText(toQString(text));
}

std::string OptionsPageWidget::text(ControlId id) const {
  const QLineEdit* e = edit(id);
  return e ? toStdString(e->text()) : std::string();
}

void OptionsPageWidget::refuseText(ControlId id, const FieldMessage& message) {
  QLineEdit* e = edit(id);
  if (e) {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
  }
  m_support.showMessage(e ? static_cast<QWidget*>(e) : this, message);
}

}  // namespace hueset::gui
