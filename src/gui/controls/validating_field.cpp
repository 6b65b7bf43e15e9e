#include "gui/controls/validating_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

constexpr const char* kControlIdProperty = "huesetControlId";

bool plainKey(const QKeyEvent* event) {
  return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

void setControlId(QWidget* widget, int id) { widget->setProperty(kControlIdProperty, id); }

int controlId(const QWidget* widget) {
  if (!widget) return 0;
  const QVariant id = widget->property(kControlIdProperty);
  return id.isValid() ? id.toInt() : 0;
}

// FieldSupport

FieldSupport::FieldSupport()
    : m_show([](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
      }) {}

void FieldSupport::showMessage(QWidget* parent, const FieldMessage& message) const {
  if (m_show) m_show(parent, toQString(message.title), withLineFeeds(message.text));
}

// FieldSpinButton

FieldSpinButton::FieldSpinButton(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* button : {m_up, m_down}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    layout->addWidget(button);
  }
  m_up->setArrowType(Qt::UpArrow);
  m_down->setArrowType(Qt::DownArrow);
  connect(m_up, &QToolButton::clicked, this, [this] { emit stepRequested(+1); });
  connect(m_down, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
}

// ValidatingField

ValidatingField::ValidatingField(FieldKind kind, FieldSupport& support, QWidget* parent)
    : QLineEdit(parent), m_support(support), m_model(kind) {
  setAcceptDrops(false);
}

void ValidatingField::setName(const QString& name) { m_model.setName(toStdString(name)); }

void ValidatingField::setLowerBound(BoundMode mode, double value) {
  m_model.setLowerBound(mode, value);
  updateSpinRange();
  if (m_shown) validate(false);
}

void ValidatingField::setUpperBound(BoundMode mode, double value) {
  m_model.setUpperBound(mode, value);
  updateSpinRange();
  if (m_shown) validate(false);
}

void ValidatingField::setFeedback(int bits) {
  m_feedback = bits;
  updateFeedback();
}

void ValidatingField::setInvalidColours(const QColor& text, const QColor& background) {
  m_invalidText = text;
  m_invalidBackground = background;
  m_showingInvalid = false;
  updateFeedback();
}

bool ValidatingField::validate(bool reportFailure) {
  const bool changed = m_model.validate(toStdString(text()));
  updateFeedback();
  if (changed) emit valueChanged();
  if (!m_model.valid() && reportFailure) report();
  return m_model.valid();
}

void ValidatingField::report() {
  const std::optional<FieldMessage> message = m_model.message();
  if (!message) return;
  const bool wasChecking = m_checking;
  m_checking = false;
  m_support.showMessage(this, *message);
  m_checking = wasChecking;
}

bool ValidatingField::setFieldText(const QString& newText) {
  if (m_checking && !holdsOnlyAllowed(toStdString(newText), m_model.allowedCharacters())) {
    return false;
  }
  setText(newText);
  validate(false);
  return true;
}

ValidatingField::Snapshot ValidatingField::snapshot() const {
  return {text(), cursorPosition(), selectionStart(), selectionLength(), isModified()};
}

void ValidatingField::restore(const Snapshot& s) {
  setText(s.text);
  if (s.selectionStart >= 0 && s.selectionLength > 0) {
    // Keep the caret at the end of the selection it had.
    if (s.cursor == s.selectionStart) {
      setSelection(s.selectionStart + s.selectionLength, -s.selectionLength);
    } else {
      setSelection(s.selectionStart, s.selectionLength);
    }
  } else {
    setCursorPosition(s.cursor);
  }
  setModified(s.modified);
}

template <typename Edit>
void ValidatingField::filtered(Edit edit) {
  const Snapshot before = snapshot();
  edit();
  if (text() == before.text) return;
  if (!holdsOnlyAllowed(toStdString(text()), m_model.allowedCharacters())) {
    restore(before);
    return;
  }
  validate(false);
}

bool ValidatingField::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && plainKey(key) &&
        m_checking && !validate(true)) {
      return true;  // a wrong entry keeps the focus
    }
  }
  return QLineEdit::event(e);
}

void ValidatingField::keyPressEvent(QKeyEvent* e) {
  if (m_spin && plainKey(e) && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
    step(e->key() == Qt::Key_Up ? +1 : -1);
    return;
  }
  if (!m_checking) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  // Typed characters, Backspace, Delete, paste, cut and undo alike: the
  // edit is kept only when the text still holds allowed characters alone.
  filtered([&] { QLineEdit::keyPressEvent(e); });
}

void ValidatingField::contextMenuEvent(QContextMenuEvent* e) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  const Snapshot before = snapshot();
  menu->exec(e->globalPos());
  menu.reset();
  if (text() == before.text) return;
  if (m_checking && !holdsOnlyAllowed(toStdString(text()), m_model.allowedCharacters())) {
    restore(before);
    return;
  }
  validate(false);
}

void ValidatingField::mouseReleaseEvent(QMouseEvent* e) {
  // The middle button pastes the selection on some desktops.
  if (!m_checking) {
    QLineEdit::mouseReleaseEvent(e);
    return;
  }
  filtered([&] { QLineEdit::mouseReleaseEvent(e); });
}

void ValidatingField::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Switching to another program, or a menu popping up, is no leaving.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
  QWidget* to = QApplication::focusWidget();
  const bool exempt = to && m_support.exempt().contains(controlId(to));
  if (!leavingNeedsCheck(m_checking, exempt, m_support.complaining() != nullptr)) return;
  if (validate(false)) return;
  m_support.setComplaining(this);
  QMetaObject::invokeMethod(this, &ValidatingField::complain, Qt::QueuedConnection);
}

void ValidatingField::complain() {
  setFocus(Qt::OtherFocusReason);
  report();
  if (m_support.complaining() == this) m_support.setComplaining(nullptr);
}

void ValidatingField::showEvent(QShowEvent* e) {
  QLineEdit::showEvent(e);
  if (!m_shown) {
    m_shown = true;
    if (!text().isEmpty()) validate(false);
  }
}

void ValidatingField::updateFeedback() {
  const bool invalid = !m_model.valid();
  const bool colour = invalid && (m_feedback & ColourFeedback);
  const bool bold = invalid && (m_feedback & BoldFeedback);
  if (colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, m_invalidText);
    p.setColor(QPalette::Base, m_invalidBackground);
    setPalette(p);
    m_showingInvalid = true;
  } else if (m_showingInvalid) {
    setPalette(QPalette());
    m_showingInvalid = false;
  }
  if (bold && !m_normalFont) {
    m_normalFont = font();
    QFont heavy = *m_normalFont;
    heavy.setWeight(static_cast<QFont::Weight>(boldFeedbackWeight(m_normalFont->weight())));
    setFont(heavy);
  } else if (!bold && m_normalFont) {
    setFont(QFont());
    m_normalFont.reset();
  }
}

void ValidatingField::setSpinButton(FieldSpinButton* spin) {
  if (m_spin) disconnect(m_spin, nullptr, this, nullptr);
  m_spin = spin;
  if (!spin) return;
  updateSpinRange();
  connect(spin, &FieldSpinButton::stepRequested, this, &ValidatingField::step);
}

void ValidatingField::updateSpinRange() {
  if (m_spin) m_spin->setRange(m_model.spinRange());
}

void ValidatingField::step(int direction) {
  if (m_model.kind() == FieldKind::Integer) {
    const SpinRange range = m_spin ? m_spin->range() : m_model.spinRange();
    const std::optional<int> next = integerSpinStep(toStdString(text()), range, direction);
    if (!next) {
      QApplication::beep();
      return;
    }
    setFieldText(QString::number(*next));
    return;
  }
  const std::optional<std::string> next = m_model.spinText(toStdString(text()), direction);
  if (!next) {
    QApplication::beep();
    return;
  }
  setFieldText(toQString(*next));
}

void ValidatingField::loadValue(int storedValue) {
  setFieldText(toQString(m_model.loadText(storedValue)));
}

std::optional<int> ValidatingField::storeValue() {
  const std::optional<double> before = m_model.value();
  const FieldStoreResult result = m_model.storeText(toStdString(text()), isEnabled());
  updateFeedback();
  if (m_model.value() != before) emit valueChanged();
  if (result.ok) return result.value;
  setFocus(Qt::OtherFocusReason);
  if (result.message) {
    const bool wasChecking = m_checking;
    m_checking = false;
    m_support.showMessage(this, *result.message);
    m_checking = wasChecking;
  }
  return std::nullopt;
}

// ScaledNumberField

void ScaledNumberField::setUnit(int position) {
  const FieldUnit* unit = support().units().unit(position);
  if (!unit) return;
  m_unit = position;
  if (!shown()) {
    model().setUnit(*unit);
    return;
  }
  model().switchUnit(*unit);
  if (model().value()) {
    setFieldText(toQString(model().displayText(*model().value())));
  } else {
    validate(false);
  }
}

// LetterSetField

LetterSetField::LetterSetField(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

void LetterSetField::pasteFrom(QClipboard::Mode mode) {
  const QString clip = QApplication::clipboard()->text(mode);
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
  const LetterSetPaste result =
      pasteIntoLetterSet(m_mode, toStdString(text()), static_cast<std::size_t>(start),
                         static_cast<std::size_t>(end), toStdString(m_excluded), toStdString(clip));
  setText(toQString(result.text));
  setCursorPosition(static_cast<int>(result.caret));
}

void LetterSetField::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Paste)) {
    pasteLetters();
    return;
  }
  const QString typed = e->text();
  if (typed.size() == 1 && plainKey(e) && typed[0].unicode() >= 32) {
    const char16_t code = typed[0].unicode();
    if (code > 126) return;  // outside the characters a set can hold
    const std::optional<char> accepted = acceptLetterSetCharacter(
        m_mode, toStdString(text()), toStdString(m_excluded), static_cast<char>(code));
    if (accepted) insert(QString(QChar(*accepted)));
    return;
  }
  QLineEdit::keyPressEvent(e);  // Backspace, Delete, moves, undo, copy and cut
}

void LetterSetField::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::MiddleButton) {
    if (QApplication::clipboard()->supportsSelection() && !isReadOnly()) {
      setCursorPosition(cursorPositionAt(e->position().toPoint()));
      pasteFrom(QClipboard::Selection);
    }
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

void LetterSetField::contextMenuEvent(QContextMenuEvent* e) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste")) {
      disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, &LetterSetField::pasteLetters);
    }
  }
  menu->exec(e->globalPos());
}

}  // namespace hueset::gui
