#pragma once

#include "gui/settings/options_page_widget.h"

namespace hueset::gui {

// "Formatted Output": justification, wrapping, columns and substitutions.
// The substitute symbol and the gap symbols show in a fixed-pitch font.
class OutputPage : public OptionsPageWidget {
  Q_OBJECT
 public:
  explicit OutputPage(const PageSetup& setup, QWidget* parent = nullptr);
};

}  // namespace hueset::gui
