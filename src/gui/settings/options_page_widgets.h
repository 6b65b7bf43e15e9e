#pragma once

#include <functional>
#include <map>
#include <optional>

#include <QFont>

#include "gui/controls/validating_field.h"
#include "gui/settings/prop_sheet_last_active_page.h"
#include "desktop/options_pages.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace hueset::gui {

// One page of the options sheet: the controls of its layout (verbose or
// terse), editing its group in the sheet's copies of the option groups.
// Leaving the page reads the controls back; a refused field keeps the page.
class OptionsPageWidget : public PropertyPage, public PageControls {
  Q_OBJECT
 public:
  OptionsPageWidget(OptionsPage page, bool verbose, OptionGroups& copies, FieldSupport& support,
                    QWidget* parent = nullptr);

  OptionsPage page() const { return m_layout.page; }
  const PageLayout& layout() const { return m_layout; }

  // The widget of a control id on this page, or null.
  QWidget* control(int id) const;
  QAbstractButton* button(int id) const;
  ValidatingField* field(int id) const;
  FieldSpinButton* spinButton(int fieldId) const;
  QLineEdit* edit(int id) const;
  // The static texts and explanations, in the order shown.
  const QList<QLabel*>& labels() const { return m_labels; }

  void onSetActive() override;
  bool onKillActive() override;

  // PageControls: the data exchange of the core.
  void setChecked(int id, bool checked) override;
  bool isChecked(int id) const override;
  void setNumber(int id, int storedValue) override;
  std::optional<int> number(int id) override;
  void setText(int id, const std::string& text) override;
  std::string text(int id) const override;

 protected:
  FieldSupport& support() { return m_support; }

 private:
  void build();
  QWidget* makeItem(const PageItem& item, QWidget* parent);

  PageLayout m_layout;
  OptionGroups& m_copies;
  FieldSupport& m_support;
  std::map<int, QWidget*> m_controls;
  std::map<int, FieldSpinButton*> m_spins;
  std::map<int, QButtonGroup*> m_radioGroups;  // by button id
  QList<QLabel*> m_labels;
  bool m_entered = false;
};

class CDialOptionsAnnotate : public OptionsPageWidget {
  Q_OBJECT
 public:
  CDialOptionsAnnotate(bool verbose, OptionGroups& copies, FieldSupport& support,
                       QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Annotate, verbose, copies, support, parent) {}
};

class CDialOptionsParsing : public OptionsPageWidget {
  Q_OBJECT
 public:
  CDialOptionsParsing(bool verbose, OptionGroups& copies, FieldSupport& support,
                      QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Parsing, verbose, copies, support, parent) {}
};

// The substitute symbol and the gap symbols show in a fixed-pitch font.
class CDialOptionsOutput : public OptionsPageWidget {
  Q_OBJECT
 public:
  CDialOptionsOutput(bool verbose, OptionGroups& copies, FieldSupport& support,
                     QWidget* parent = nullptr);
};

class CDialOptionsHTML : public OptionsPageWidget {
  Q_OBJECT
 public:
  CDialOptionsHTML(bool verbose, OptionGroups& copies, FieldSupport& support,
                   QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Html, verbose, copies, support, parent) {}
};

// Also edits the editor font, which is not among the stored options.
class CDialOptionsGeneral : public OptionsPageWidget {
  Q_OBJECT
 public:
  // Asks the user for a font starting from the given one; none on Cancel.
  using FontChooser = std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)>;

  CDialOptionsGeneral(bool verbose, OptionGroups& copies, FieldSupport& support,
                      QWidget* parent = nullptr);

  const QFont& editorFont() const { return m_font; }
  void setEditorFont(const QFont& font) { m_font = font; }
  // Replaces the system font dialog (tests).
  void setFontChooser(FontChooser chooser) { m_chooser = std::move(chooser); }

 private:
  void chooseFont();

  QFont m_font;
  FontChooser m_chooser;
};

// The font the General page holds until it is given the editor's: Courier
// New, 10 pixels high, normal weight, fixed pitch.
QFont defaultPageFont();

}  // namespace hueset::gui
