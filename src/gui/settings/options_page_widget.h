#pragma once

#include <map>
#include <optional>

#include "desktop/options/options_pages.h"
#include "gui/controls/validating_field.h"
#include "gui/settings/options_dialog.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;

namespace hueset::gui {

// What the pages of one sheet share: the layout form (verbose or terse),
// the sheet's copies of the option groups, and the fields' support.
struct PageSetup {
  bool verbose;
  OptionGroups& copies;
  FieldSupport& support;
};

// One page of the options sheet: the controls of its layout, editing its
// group in the sheet's copies of the option groups. Leaving the page reads
// the controls back; a refused field keeps the page.
class OptionsPageWidget : public PropertyPage, public PageControls {
  Q_OBJECT
 public:
  OptionsPageWidget(OptionsPage page, const PageSetup& setup, QWidget* parent = nullptr);

  OptionsPage page() const { return m_layout.page; }
  const PageLayout& layout() const { return m_layout; }

  // The widget of a control of this page, or null.
  QWidget* control(ControlId id) const;
  QAbstractButton* button(ControlId id) const;
  ValidatingField* field(ControlId id) const;
  FieldSpinButton* spinButton(ControlId field) const;
  QLineEdit* edit(ControlId id) const;
  // The static texts and explanations, in the order shown.
  const QList<QLabel*>& labels() const { return m_labels; }

  void onSetActive() override;
  bool onKillActive() override;

  // PageControls: loading and storing in the core.
  void setChecked(ControlId id, bool checked) override;
  bool isChecked(ControlId id) const override;
  void setNumber(ControlId id, int storedValue) override;
  std::optional<int> number(ControlId id) override;
  void setText(ControlId id, const std::string& text) override;
  std::string text(ControlId id) const override;
  void refuseText(ControlId id, const FieldMessage& message) override;

 protected:
  FieldSupport& support() { return m_support; }

 private:
  void build();
  QWidget* makeItem(const PageItem& item, QWidget* parent);

  PageLayout m_layout;
  OptionGroups& m_copies;
  FieldSupport& m_support;
  std::map<ControlId, QWidget*> m_controls;
  std::map<ControlId, FieldSpinButton*> m_spins;
  std::map<ControlId, QButtonGroup*> m_radioGroups;  // by button
  QList<QLabel*> m_labels;
  bool m_entered = false;
};

// The pages that show their layout and nothing more: "Sequence Annotation",
// "Data Parsing", "HTML", "Figures" and "Figure Rows".
template <OptionsPage Page>
class LayoutOnlyPage final : public OptionsPageWidget {
 public:
  explicit LayoutOnlyPage(const PageSetup& setup, QWidget* parent = nullptr)
      : OptionsPageWidget(Page, setup, parent) {}
};

using AnnotatePage = LayoutOnlyPage<OptionsPage::Annotate>;
using ParsingPage = LayoutOnlyPage<OptionsPage::Parsing>;
using HtmlPage = LayoutOnlyPage<OptionsPage::Html>;
using FigurePage = LayoutOnlyPage<OptionsPage::Figure>;
using FigureRowsPage = LayoutOnlyPage<OptionsPage::FigureRows>;

}  // namespace hueset::gui
