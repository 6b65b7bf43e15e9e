#pragma once

#include <QFont>
#include <functional>
#include <optional>

#include "gui/settings/options_page_widget.h"

namespace hueset::gui {

// "General": the recent-file counts, the dialogue form and the toolbar
// buttons; also edits the editor font, which is not among the stored
// options.
class GeneralPage : public OptionsPageWidget {
  Q_OBJECT
 public:
  // Asks the user for a font starting from the given one; none on Cancel.
  using FontChooser = std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)>;

  explicit GeneralPage(const PageSetup& setup, QWidget* parent = nullptr);

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
