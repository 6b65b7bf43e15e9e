// Shows the options sheet on one page, for the screenshots:
//   options_sheet_demo PAGE [terse]
// PAGE is the tab index 0..4. OK and Cancel end the program.
#include <QApplication>
#include <QFontDatabase>

#include "gui/settings/options_command.h"
#include "gui/settings/options_dialog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const int page = args.size() > 1 ? args.at(1).toInt() : 0;
  hueset::Options options;
  options.general.verboseDialogues = !args.contains(QStringLiteral("terse"));
  hueset::gui::OptionsCommand command(options, nullptr);
  command.setRunner([page](hueset::gui::OptionsDialog& sheet) {
    sheet.setActivePage(page);
    return sheet.exec();
  });
  command.showOptions(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return 0;
}
