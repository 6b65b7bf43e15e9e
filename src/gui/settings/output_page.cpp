#include "gui/settings/output_page.h"

#include <QFontDatabase>
#include <QLineEdit>

namespace hueset::gui {

OutputPage::OutputPage(const PageSetup& setup, QWidget* parent)
    : OptionsPageWidget(OptionsPage::Output, setup, parent) {
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (OutputControl id : {OutputControl::GapCharacter, OutputControl::SubstitutedGaps}) {
    if (QLineEdit* e = edit(id)) e->setFont(fixed);
  }
}

}  // namespace hueset::gui
