#pragma once

#include <functional>

#include "desktop/groupings/configuration_commands.h"
#include "groupings/grouping_set.h"

class QWidget;

namespace hueset::gui {

// A save from the open editor: `edited` is written to the configuration's
// file (through Save As when `saveAs`); true on success, and then the
// editor's target holds `edited`.
using EditorSave = std::function<bool(const GroupingSet& edited, bool saveAs)>;

// Opens the groupings editor. The configuration commands know the editor
// only through this, so the dialog can be replaced in tests.
class GroupingsEditorLauncher {
 public:
  virtual ~GroupingsEditorLauncher() = default;

  // Shows the editor on `target`, which it changes only when the user
  // confirms (OK) or saves through `save`. True when confirmed or saved.
  virtual bool edit(QWidget* parent, GroupingSet& target, const GroupingsEditorRequest& request,
                    const EditorSave& save) = 0;
};

// Stands in while the program has no editor dialog: confirms every
// configuration unchanged.
class UnchangedEditorLauncher final : public GroupingsEditorLauncher {
 public:
  bool edit(QWidget* parent, GroupingSet& target, const GroupingsEditorRequest& request,
            const EditorSave& save) override;
};

}  // namespace hueset::gui
