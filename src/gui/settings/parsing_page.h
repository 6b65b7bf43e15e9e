#pragma once

#include "gui/settings/options_page_widget.h"

namespace hueset::gui {

// "Data Parsing": how the readers treat what they find.
class ParsingPage : public OptionsPageWidget {
  Q_OBJECT
 public:
  explicit ParsingPage(const PageSetup& setup, QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Parsing, setup, parent) {}
};

}  // namespace hueset::gui
