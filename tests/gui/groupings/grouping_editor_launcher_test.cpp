#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <vector>

#include "groupings/builtin_defaults.h"
#include "gui/groupings/grouping_editor_dialog.h"

namespace hueset::gui::test {
namespace {

// Runs `act` on the modal widget of type T once the event loop shows it.
template <typename T, typename Act>
void onceModal(Act act) {
  QTimer::singleShot(0, [act] {
    auto* widget = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(widget, nullptr);
    act(widget);
  });
}

TEST(GroupingEditorLauncherTest, ConfirmsOnlyWhenTheUserDoes) {
  GroupingSet target = builtinDefault(BuiltinDefault::Colour);
  const GroupingSet original = target;
  GroupingEditorLauncher launcher;
  GroupingsEditorRequest request;
  request.confirmationMode = true;
  request.caption = "Confirm open configuration file";

  QString title;
  onceModal<GroupingEditorDialog>([&title](GroupingEditorDialog* dialog) {
    title = dialog->windowTitle();
    dialog->cancelButton()->click();
  });
  EXPECT_FALSE(launcher.edit(nullptr, target, request, {}));
  EXPECT_EQ(title, QStringLiteral("Confirm open configuration file"));

  onceModal<GroupingEditorDialog>(
      [](GroupingEditorDialog* dialog) { dialog->finishButton()->click(); });
  EXPECT_TRUE(launcher.edit(nullptr, target, request, {}));
  EXPECT_EQ(target.groupings, original.groupings);
}

TEST(GroupingEditorLauncherTest, PassesOnLiveEditsAndTheirEnd) {
  GroupingSet target = builtinDefault(BuiltinDefault::Colour);
  GroupingEditorLauncher launcher;
  std::vector<std::optional<GroupingSet>> told;
  launcher.setLiveEdits([&told](const GroupingSet* edited) {
    told.push_back(edited ? std::optional<GroupingSet>(*edited) : std::nullopt);
  });
  onceModal<GroupingEditorDialog>([](GroupingEditorDialog* dialog) {
    dialog->model().setSelection({4}, 4);
    dialog->boldBox()->click();
    // Cancel after a change asks first: Yes, discard.
    onceModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    dialog->cancelButton()->click();
  });
  EXPECT_FALSE(launcher.edit(nullptr, target, GroupingsEditorRequest{}, {}));
  ASSERT_EQ(told.size(), 2u);
  ASSERT_TRUE(told[0]);
  EXPECT_NE(told[0]->groupings, target.groupings) << "the edit, before Cancel";
  EXPECT_FALSE(told[1]) << "closed: back to the configuration";
}

}  // namespace
}  // namespace hueset::gui::test
