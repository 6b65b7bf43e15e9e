#pragma once

#include "gui/settings/options_page_widget.h"

namespace hueset::gui {

// "HTML": styles, palette and fonts of the HTML output.
class HtmlPage : public OptionsPageWidget {
  Q_OBJECT
 public:
  explicit HtmlPage(const PageSetup& setup, QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Html, setup, parent) {}
};

}  // namespace hueset::gui
