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
  FileChoice choice;
  choice.path = toPathBytes(dialog.selectedFiles().first());
  choice.filterIndex = static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

std::optional<ConfigurationFileDialogs::FileChoice> QtConfigurationFileDialogs::chooseToSave(
    QWidget* parent, const QString& proposedPath) {
  QFileDialog dialog(parent, QStringLiteral("Save As"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = configurationSaveFilters();
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.selectNameFilter(filters.first());
  dialog.setDefaultSuffix(toQString(kConfigurationDefaultExtension));
  // A name typed without an extension gets the one of the chosen type.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
    dialog.setDefaultSuffix(filters.indexOf(f) == 1 ? QStringLiteral("cft") : QStringLiteral("cfb"));
  });
  const QFileInfo proposed(proposedPath);
  dialog.setDirectory(proposed.absolutePath());
  dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileChoice choice;
  choice.path = toPathBytes(dialog.selectedFiles().first());
  choice.filterIndex = static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

}  // namespace hueset::gui
