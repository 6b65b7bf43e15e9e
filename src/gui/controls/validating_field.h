#pragma once

#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <optional>

#include "desktop/options/field_validation.h"

class QToolButton;

namespace hueset::gui {

class ValidatingField;

// Dialog control ids, kept on the widgets so that rules written in control
// ids (the exempt Cancel button, id 2) apply to them.
void setControlId(QWidget* widget, int id);
int controlId(const QWidget* widget);  // 0 when none was set

// What the fields of one application share: the unit table, the exempt
// controls, the field that is complaining right now, and how a field's
// message is shown. The application owns it and hands it to every field.
class FieldSupport {
 public:
  using MessageFunction =
      std::function<void(QWidget* parent, const QString& title, const QString& text)>;

  FieldSupport();

  FieldEnvironment& environment() { return m_environment; }
  FieldUnitTable& units() { return m_environment.units; }
  ExemptControls& exempt() { return m_environment.exempt; }

  ValidatingField* complaining() const { return m_complaining; }
  void setComplaining(ValidatingField* field) { m_complaining = field; }

  // A message box with an OK button unless replaced (tests record instead).
  void setMessageFunction(MessageFunction show) { m_show = std::move(show); }
  void showMessage(QWidget* parent, const FieldMessage& message) const;

 private:
  FieldEnvironment m_environment;
  QPointer<ValidatingField> m_complaining;
  MessageFunction m_show;
};

// The up-down buttons beside a number field.
class FieldSpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit FieldSpinButton(QWidget* parent = nullptr);

  // The range an integer field gives its buttons.
  void setRange(SpinRange range) { m_range = range; }
  SpinRange range() const { return m_range; }

  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

 signals:
  void stepRequested(int direction);

 private:
  QToolButton* m_up;
  QToolButton* m_down;
  SpinRange m_range{-2147483647 - 1, 2147483647};
};

// An edit field that checks a number as it is typed: it refuses characters
// that cannot belong to the number, shows a wrong entry in red (and bold if
// asked), reports it with a message naming the field and its limits, and
// keeps the focus while it is wrong. The rules are the core's
// NumberFieldModel; this widget forwards the user's actions to it.
class ValidatingField : public QLineEdit {
  Q_OBJECT
 public:
  enum Feedback { ColourFeedback = 1, BoldFeedback = 2 };

  ValidatingField(FieldKind kind, FieldSupport& support, QWidget* parent = nullptr);

  NumberFieldModel& model() { return m_model; }
  const NumberFieldModel& model() const { return m_model; }

  void setName(const QString& name);
  void setLowerBound(BoundMode mode, double value);
  void setUpperBound(BoundMode mode, double value);
  void setEmptyAllowed(bool allowed) { m_model.setEmptyAllowed(allowed); }

  // Character filtering and the focus checks.
  void setChecking(bool on) { m_checking = on; }
  bool checking() const { return m_checking; }
  void setFeedback(int bits);
  int feedback() const { return m_feedback; }
  void setInvalidColours(const QColor& text, const QColor& background);

  // Recomputes state and value; with `report` a failure shows the message.
  bool validate(bool report);
  FieldState state() const { return m_model.state(); }

  // Sets the text as the program; with checking on, a text holding
  // characters the field refuses is not taken (false).
  bool setFieldText(const QString& text);

  // The up-down buttons that step this field (not owned).
  void setSpinButton(FieldSpinButton* spin);
  FieldSpinButton* spinButton() const { return m_spin; }
  void step(int direction);

  // Loading and storing (see the core model for the rules). Storing from the
  // field, a failure shows the message, puts the focus on the field and
  // gives none.
  void loadValue(int storedValue);
  std::optional<int> storeValue();

 signals:
  // The field's value changed (notification 8001 hexadecimal).
  void valueChanged();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  bool shown() const { return m_shown; }
  FieldSupport& support() { return m_support; }
  // Reports the present state's message with checking suspended.
  void report();

 private:
  struct Snapshot {
    QString text;
    int cursor;
    int selectionStart;
    int selectionLength;
    bool modified;
  };
  Snapshot snapshot() const;
  void restore(const Snapshot& s);
  // Runs an edit; a result holding refused characters is undone.
  template <typename Edit>
  void filtered(Edit edit);
  void complain();
  void updateFeedback();
  void updateSpinRange();

  FieldSupport& m_support;
  NumberFieldModel m_model;
  bool m_checking = true;
  bool m_shown = false;
  int m_feedback = ColourFeedback;
  QColor m_invalidText{255, 0, 0};
  QColor m_invalidBackground{255, 255, 255};
  std::optional<QFont> m_normalFont;
  bool m_showingInvalid = false;
  QPointer<FieldSpinButton> m_spin;
};

class IntegerField : public ValidatingField {
  Q_OBJECT
 public:
  explicit IntegerField(FieldSupport& support, QWidget* parent = nullptr)
      : ValidatingField(FieldKind::Integer, support, parent) {}
  int value() const { return model().integerValue(); }
};

// A number shown in a unit of the application's unit table (percentages
// shown for values stored in tenths of a percent).
class ScaledNumberField : public ValidatingField {
  Q_OBJECT
 public:
  explicit ScaledNumberField(FieldSupport& support, QWidget* parent = nullptr)
      : ValidatingField(FieldKind::ScaledNumber, support, parent) {}
  double value() const { return model().numberValue(); }

  // Refers to unit `position` of the unit table. On a field already on
  // screen the value and bounds are converted and the unit's precision
  // taken; before that only the reference is set.
  void setUnit(int position);
  int unitPosition() const { return m_unit; }

 private:
  int m_unit = -1;
};

// An edit holding a set of distinct characters: upper-case letters (mode
// 0), anything but letters (mode 2), or any character; some characters can
// be excluded altogether.
class LetterSetField : public QLineEdit {
  Q_OBJECT
 public:
  explicit LetterSetField(QWidget* parent = nullptr);

  void setMode(int mode) { m_mode = mode; }
  int mode() const { return m_mode; }
  void setExcluded(const QString& characters) { m_excluded = characters; }
  QString excluded() const { return m_excluded; }

  // Pastes the clipboard text by the set's rules.
  void pasteLetters() { pasteFrom(QClipboard::Clipboard); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void pasteFrom(QClipboard::Mode mode);

  int m_mode = kLetterSetUpperCase;
  QString m_excluded;
};

}  // namespace hueset::gui
