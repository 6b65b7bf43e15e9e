#pragma once

#include <QFileDialog>
#include <functional>
#include <optional>

#include "gui/common/user_prompts.h"

namespace hueset::gui {

// The save dialog of the "To File" command: the file types, the first one
// chosen. A name without an extension gets the chosen type's; one typed
// with a type's extension is written as that type. A name whose folder does not exist is
// refused with a message while the dialog stays open, so the user can put it
// right before any other question is asked.
class AnnotationFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  // Shows a message box about `text` (an exclamation with OK).
  using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;

  AnnotationFileDialog(QWidget* parent, const QString& folder);

  void setMessageFunction(MessageFunction show) { m_message = std::move(show); }
  // The file, type and folder chosen; none before the user has accepted.
  std::optional<UserPrompts::FileChoice> choice() const;

  void accept() override;

 private:
  // The chosen name without quotation marks, made absolute.
  QString chosenPath() const;
  // The chosen type, 0-based.
  int filterIndex() const;

  MessageFunction m_message;
};

}  // namespace hueset::gui
