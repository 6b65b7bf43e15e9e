#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "desktop/groupings/configuration_commands.h"

class QFileDialog;
class QWidget;

namespace hueset::gui {

// The "Open" and "Save As" dialogs of the configuration commands, behind an
// interface so tests answer them from a script.
class ConfigurationFileDialogs {
 public:
  using FileChoice = ConfigurationUi::FileChoice;

  virtual ~ConfigurationFileDialogs() = default;

  // An existing file in `folder`; none when cancelled.
  virtual std::optional<FileChoice> chooseToOpen(QWidget* parent, const QString& folder) = 0;
  // A name to save under, proposing `proposedPath`; none when cancelled.
  virtual std::optional<FileChoice> chooseToSave(QWidget* parent, const QString& proposedPath) = 0;
};

// The real dialogs.
class QtConfigurationFileDialogs final : public ConfigurationFileDialogs {
 public:
  std::optional<FileChoice> chooseToOpen(QWidget* parent, const QString& folder) override;
  std::optional<FileChoice> chooseToSave(QWidget* parent, const QString& proposedPath) override;
};

// The Save As dialog as it opens on `proposedPath`, and the choice it holds
// (the chosen type decides the form of the file).
std::unique_ptr<QFileDialog> makeConfigurationSaveDialog(QWidget* parent,
                                                         const QString& proposedPath);
ConfigurationFileDialogs::FileChoice configurationSaveChoice(const QFileDialog& dialog);

// The name filters as the file dialogs take them, in the order of the core's
// filter lists; "*.*" stands for every file.
QStringList configurationOpenFilters();
QStringList configurationSaveFilters();

}  // namespace hueset::gui
