// Shows the groupings editor on a built-in default as a user would see it,
// for the screenshots of scripts/screenshots-editor:
//   editor_demo colour|bw [--confirm] [--websafe] [--row N] [--menu]
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>

#include "desktop/groupings/configuration_commands.h"
#include "groupings/builtin_defaults.h"
#include "gui/groupings/grouping_editor_dialog.h"
#include "gui/groupings/grouping_list.h"

using namespace hueset;
using namespace hueset::gui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const bool blackAndWhite = args.contains(QStringLiteral("bw"));
  GroupingSet set =
      builtinDefault(blackAndWhite ? BuiltinDefault::BlackAndWhite : BuiltinDefault::Colour);
  GroupingsEditorRequest request;
  request.webSafePalette = args.contains(QStringLiteral("--websafe"));
  if (args.contains(QStringLiteral("--confirm"))) {
    request.confirmationMode = true;
    request.caption = std::string(kConfirmDefaultCaption);
  }
  GroupingEditorDialog dialog(set, request, {});
  const int rowArg = static_cast<int>(args.indexOf(QStringLiteral("--row")));
  if (rowArg >= 0 && rowArg + 1 < args.size()) {
    const int row = args[rowArg + 1].toInt();
    QTimer::singleShot(200, &dialog, [&dialog, row] {
      QTreeWidgetItem* item = dialog.list()->topLevelItem(row);
      if (!item) return;
      dialog.list()->setCurrentItem(item);
      dialog.list()->scrollToItem(item);
    });
  }
  if (args.contains(QStringLiteral("--menu"))) {
    QTimer::singleShot(400, &dialog, [&dialog] {
      dialog.editMenu()->popup(dialog.menuBar()->mapToGlobal(
          dialog.menuBar()->actionGeometry(dialog.editMenu()->menuAction()).bottomLeft()));
      dialog.editMenu()->setActiveAction(dialog.action(EditorCommand::Sort));
    });
  }
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
