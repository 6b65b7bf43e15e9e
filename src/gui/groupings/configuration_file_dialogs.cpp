#include "gui/groupings/configuration_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "groupings/current_configuration.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {
namespace {

template <std::size_t N>
QStringList nameFilters(const std::array<ConfigurationFileFilter, N>& filters) {
  QStringList list;
  for (const ConfigurationFileFilter& f : filters) {
    // Qt reads "*.*" as names with a dot; every file is "*".
    const QString pattern = f.pattern == "*.*" ? QStringLiteral("*") : toQString(f.pattern);
    list << QStringLiteral("%1 (%2)").arg(toQString(f.label), pattern);
  }
  return list;
}

// The position of the chosen filter. With the filters' details hidden the
// dialog gives only the label ("Text Configuration Files"), not the filter
// as it was set.
int filterIndex(const QStringList& filters, const QString& selected) {
  if (const qsizetype exact = filters.indexOf(selected); exact >= 0) return static_cast<int>(exact);
  for (qsizetype i = 0; i < filters.size(); ++i) {
    const QString& f = filters.at(i);
    if (f.left(f.lastIndexOf(QStringLiteral(" ("))) == selected.trimmed())
      return static_cast<int>(i);
  }
  return 0;
}

ConfigurationFileDialogs::FileChoice choiceOf(const QFileDialog& dialog,
                                              const QStringList& filters) {
  ConfigurationFileDialogs::FileChoice choice;
  choice.path = toPathBytes(dialog.selectedFiles().first());
  choice.filterIndex = filterIndex(filters, dialog.selectedNameFilter());
  return choice;
}

}  // namespace

QStringList configurationOpenFilters() { return nameFilters(kConfigurationOpenFilters); }
QStringList configurationSaveFilters() { return nameFilters(kConfigurationSaveFilters); }

std::optional<ConfigurationFileDialogs::FileChoice> QtConfigurationFileDialogs::chooseToOpen(
    QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Open"), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList filters = configurationOpenFilters();
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.first());
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return choiceOf(dialog, filters);
}

std::unique_ptr<QFileDialog> makeConfigurationSaveDialog(QWidget* parent,
                                                         const QString& proposedPath) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Save As"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  const QStringList filters = configurationSaveFilters();
  dialog->setNameFilters(filters);
  dialog->setOption(QFileDialog::HideNameFilterDetails, true);
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->selectNameFilter(filters.first());
  dialog->setDefaultSuffix(toQString(kConfigurationDefaultExtension));
  // A name typed without an extension gets the one of the chosen type.
  QFileDialog* d = dialog.get();
  QObject::connect(d, &QFileDialog::filterSelected, d, [d, filters](const QString& f) {
    d->setDefaultSuffix(filterIndex(filters, f) == 1 ? QStringLiteral("cft")
                                                     : QStringLiteral("cfb"));
  });
  const QFileInfo proposed(proposedPath);
  dialog->setDirectory(proposed.absolutePath());
  dialog->selectFile(proposed.fileName());
  return dialog;
}

ConfigurationFileDialogs::FileChoice configurationSaveChoice(const QFileDialog& dialog) {
  return choiceOf(dialog, configurationSaveFilters());
}

std::optional<ConfigurationFileDialogs::FileChoice> QtConfigurationFileDialogs::chooseToSave(
    QWidget* parent, const QString& proposedPath) {
  const std::unique_ptr<QFileDialog> dialog = makeConfigurationSaveDialog(parent, proposedPath);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return configurationSaveChoice(*dialog);
}

}  // namespace hueset::gui
