#pragma once

#include "gui/settings/options_page_widget.h"

namespace hueset::gui {

// "Sequence Annotation": the consensus and elision thresholds.
class AnnotatePage : public OptionsPageWidget {
  Q_OBJECT
 public:
  explicit AnnotatePage(const PageSetup& setup, QWidget* parent = nullptr)
      : OptionsPageWidget(OptionsPage::Annotate, setup, parent) {}
};

}  // namespace hueset::gui
