#pragma once

#include <functional>

#include "gui/common/user_prompts.h"

namespace hueset::gui {

// The user's answers come from real dialogs. Help buttons call `help` with
// the dialog's help context.
class DialogPrompts final : public UserPrompts {
 public:
  explicit DialogPrompts(std::function<void(int)> help = {}) : m_help(std::move(help)) {}
  void setHelp(std::function<void(int)> help) { m_help = std::move(help); }

  PromptAnswer message(QWidget* parent, const QString& title, const QString& text, PromptIcon icon,
                       PromptButtons buttons) override;
  std::optional<int> chooseFromList(QWidget* parent, const ListChoice& choice) override;
  bool acceptCharacterProblems(QWidget* parent,
                               const std::vector<CharacterProblem>& problems) override;
  void showUnequalLengths(QWidget* parent, const std::string& heading,
                          const Alignment& alignment) override;
  std::optional<FileChoice> chooseAnnotationFile(QWidget* parent, const QString& folder,
                                                 const QString& proposedName) override;
  QString chooseDocumentToOpen(QWidget* parent, const QString& folder) override;
  QString chooseDocumentToSave(QWidget* parent, const QString& proposedPath) override;
  void showInstallHelp(QWidget* parent) override;

 private:
  std::function<void(int)> m_help;
};

// The filters of the document dialogs.
QStringList documentFileFilters();

}  // namespace hueset::gui
