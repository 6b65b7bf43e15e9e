#include "desktop/groupings/configuration_commands.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "desktop/annotation/annotation_file.h"
#include "groupings/configuration_file.h"
#include "settings/profile_store.h"
#include "settings/standard_folders.h"

namespace hueset {
namespace fs = std::filesystem;

namespace {

constexpr StringId kNonStandardResidueWarning = 2067;
constexpr StringId kReloadQuestion = 2075;
constexpr StringId kInvalidResidueWarning = 2082;

// The wait cursor for as long as a file is read or written.
class BusyScope {
 public:
  explicit BusyScope(ConfigurationUi& ui) : m_ui(ui) { m_ui.setBusy(true); }
  ~BusyScope() { m_ui.setBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ConfigurationUi& m_ui;
};

fs::path absolutePath(const fs::path& path) {
  if (path.empty()) return path;
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.lexically_normal();
}

// The chosen name without its quotation marks, made absolute.
fs::path absoluteChosenPath(std::string_view chosen) {
  return absolutePath(fs::path(cleanChosenFileName(chosen)));
}

// The folder a file dialog ended in: the one holding the chosen file.
std::string chosenFolder(std::string_view chosen) {
  return absoluteChosenPath(chosen).parent_path().string();
}

}  // namespace

std::optional<StringId> invalidResidueWarning(const GroupingSet& set, const ParseOptions& parse) {
  const std::string letters = invalidResidueList(parse);
  if (letters.empty() || !set.containsInvalidResidues(letters)) return std::nullopt;
  return parse.restrictResidues == 1 ? kNonStandardResidueWarning : kInvalidResidueWarning;
}

std::string resolveChosenConfigurationPath(std::string_view chosen) {
  const fs::path absolute = absoluteChosenPath(chosen);
  if (absolute.empty()) return {};
  std::error_code ec;
  if (fs::is_symlink(absolute, ec)) {
    fs::path target = fs::canonical(absolute, ec);
    if (!ec) return target.string();
  }
  return absolute.string();
}

ConfigurationCommands::ConfigurationCommands(CurrentConfiguration& state, Options& options,
                                             ConfigurationUi& ui)
    : m_state(state), m_options(options), m_ui(ui) {}

bool ConfigurationCommands::loadConfiguration(const std::string& path) {
  ConfigurationLoad load = loadConfigurationFile(path);
  if (!load.ok) {
    reportLoadFailure(load);
    return false;
  }
  takeLoadedConfiguration(m_state, std::move(load));
  changed();
  return true;
}

void ConfigurationCommands::reportLoadFailure(const ConfigurationLoad& load) {
  // A file that could not be opened gets the file-error report; a file
  // that was read but refused is an error box.
  const PromptIcon icon =
      load.problem == ConfigurationProblem::CannotOpen ? PromptIcon::Exclamation : PromptIcon::Stop;
  m_ui.message(load.message, icon, PromptButtons::Ok);
}

void ConfigurationCommands::loadDefault(BuiltinDefault which) {
  takeBuiltinDefault(m_state, which);
  changed();
}

void ConfigurationCommands::makeCurrent(const std::string& path) {
  setConfigurationPath(m_state, path);
  if (m_options.recentConfigurations) m_options.recentConfigurations->add(path);
  changed();
}

void ConfigurationCommands::reportSaveFailure(const std::string& path) {
  m_ui.message(saveErrorMessage(classifySaveFailure(path), configurationFileNamed(path)),
               PromptIcon::Exclamation, PromptButtons::Ok);
}

bool ConfigurationCommands::saveConfiguration() {
  if (saveNeedsNewName(m_state.path)) return saveConfigurationAs();
  WriteResult result;
  {
    BusyScope busy(m_ui);
    result = saveConfigurationFile(m_state.set, m_state.path, plainSaveForm(m_state));
  }
  if (!result.ok) {
    // The old file is still whole; the changes stay marked as unsaved.
    reportSaveFailure(m_state.path);
    return false;
  }
  m_state.modified = false;
  changed();
  return true;
}

std::string proposedWhereItCanBeSaved(const std::string& proposed, const std::string& userFolder) {
  const fs::path path(proposed);
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (userFolder.empty() || folderTakesNewFiles(folder.string())) return proposed;
  std::error_code ec;
  fs::create_directories(userFolder, ec);
  return (fs::path(userFolder) / path.filename()).string();
}

std::string configurationDialogFolder(const std::string& remembered, const std::string& currentFile,
                                      const std::string& programFolder,
                                      const std::string& userFolder) {
  std::error_code ec;
  const auto same = [&ec](const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && fs::equivalent(a, b, ec);
  };
  if (!remembered.empty() && fs::is_directory(remembered, ec) && !same(remembered, programFolder))
    return remembered;
  if (!currentFile.empty()) {
    const fs::path folder = fs::path(currentFile).parent_path();
    if (!folder.empty() && fs::is_directory(folder, ec) && !same(folder.string(), programFolder))
      return folder.string();
  }
  if (!userFolder.empty() && fs::is_directory(userFolder, ec)) return userFolder;
  return documentsFolder();
}

std::string ConfigurationCommands::dialogFolder() const {
  return configurationDialogFolder(m_options.paths.lastConfigDirectory, m_state.path,
                                   programFolder(), userSettingsFolder());
}

bool ConfigurationCommands::saveConfigurationAs() {
  // An installed program's own folder takes no files: the user's settings
  // folder is offered instead.
  const std::string proposed = proposedWhereItCanBeSaved(
      proposedConfigurationPath(m_state, dialogFolder()), userSettingsFolder());
  const auto choice = m_ui.chooseConfigurationToSave(proposed);
  if (!choice) return false;
  const std::string chosen = resolveChosenConfigurationPath(choice->path);
  if (chosen.empty()) return false;
  m_options.paths.lastConfigDirectory = chosenFolder(choice->path);

  WriteResult result;
  {
    BusyScope busy(m_ui);
    result =
        saveConfigurationFile(m_state.set, chosen, configurationFormForFilter(choice->filterIndex));
  }
  if (!result.ok) {
    // Nothing half-written is left behind, and a file that was there before
    // stays as it was: the new one replaces it only once it is complete.
    reportSaveFailure(chosen);
    return false;
  }
  // The form of a later plain Save stays the one the set was read in.
  m_state.modified = false;
  makeCurrent(chosen);
  return true;
}

bool ConfigurationCommands::promptSaveChanges() {
  if (!m_state.modified) return true;
  const PromptAnswer answer = m_ui.message(saveChangesQuestion(m_state), PromptIcon::Exclamation,
                                           PromptButtons::YesNoCancel);
  return goOnAfterSaveQuestion(answer, [this] { return saveConfiguration(); });
}

std::string ConfigurationCommands::invalidResidueLetters() const {
  return invalidResidueList(m_options.parse);
}

bool ConfigurationCommands::saveFromEditor(const GroupingSet& edited, bool saveAs) {
  GroupingSet backup = m_state.set;
  const bool wasModified = m_state.modified;
  m_state.set = edited;
  m_state.modified = true;
  const bool saved = saveAs ? saveConfigurationAs() : saveConfiguration();
  if (!saved) {
    m_state.set = std::move(backup);
    m_state.modified = wasModified;
  }
  changed();
  return saved;
}

void ConfigurationCommands::startUp() {
  m_started = true;
  StartupConfiguration start = startupConfiguration(m_options.paths.lastConfigurationFile);
  if (!start.usesFile()) {
    if (start.fileFailed()) reportLoadFailure(start.load);
    loadDefault(BuiltinDefault::Colour);
    return;
  }
  takeLoadedConfiguration(m_state, std::move(start.load));
  changed();
  makeCurrent(start.path);
}

void ConfigurationCommands::storeForExit() {
  if (!m_started) return;
  m_options.paths.lastConfigurationFile = m_state.path;
}

bool ConfigurationCommands::recentEnabled() const {
  return m_options.recentConfigurations && !m_options.recentConfigurations->empty();
}

bool ConfigurationCommands::checkInvalidResidues(ResidueCheck mode) {
  const auto warning = invalidResidueWarning(m_state.set, m_options.parse);
  if (!warning) return true;
  if (mode == ResidueCheck::AskFirst) {
    if (m_ui.message(loadString(*warning), PromptIcon::Question, PromptButtons::OkCancel) !=
        PromptAnswer::Ok) {
      return false;
    }
  } else {
    m_ui.message(loadString(*warning), PromptIcon::Information, PromptButtons::Ok);
  }
  // The editor has to accept the letters the set already holds.
  m_options.parse.restrictResidues = 0;
  return true;
}

GroupingsEditorRequest ConfigurationCommands::editorRequest(bool confirmationMode,
                                                            std::string_view caption) const {
  GroupingsEditorRequest request;
  request.confirmationMode = confirmationMode;
  request.caption = std::string(caption);
  request.invalidLetters = invalidResidueLetters();
  request.webSafePalette = m_options.html.colourPalette == 1;
  return request;
}

void ConfigurationCommands::confirm(std::string_view caption, ConfigurationSnapshot& snapshot) {
  checkInvalidResidues(ResidueCheck::Tell);
  if (m_ui.editGroupings(m_state.set, editorRequest(true, caption))) snapshot.commit();
}

void ConfigurationCommands::edit() {
  if (!checkInvalidResidues(ResidueCheck::AskFirst)) return;
  m_ui.editGroupings(m_state.set, editorRequest(false, {}));
  changed();
}

void ConfigurationCommands::open() {
  if (!promptSaveChanges()) return;
  const auto choice = m_ui.chooseConfigurationToOpen(dialogFolder());
  if (!choice) return;
  const std::string path = resolveChosenConfigurationPath(choice->path);
  if (path.empty()) return;
  m_options.paths.lastConfigDirectory = chosenFolder(choice->path);
  {
    ConfigurationSnapshot snapshot(m_state, [this] { changed(); });
    bool loaded;
    {
      BusyScope busy(m_ui);
      loaded = loadConfiguration(path);
    }
    if (!loaded) return;
    makeCurrent(path);
    confirm(kConfirmOpenCaption, snapshot);
  }
  changed();
}

void ConfigurationCommands::openRecent(std::size_t index) {
  auto& recent = m_options.recentConfigurations;
  if (!recent || index >= recent->size()) return;
  // Saving first may put another file at the top of the list: keep the name.
  const std::string path = recent->entries()[index];
  if (!promptSaveChanges()) return;
  {
    ConfigurationSnapshot snapshot(m_state, [this] { changed(); });
    if (!loadConfiguration(path)) {
      if (recent) {
        const auto& entries = recent->entries();
        auto it = std::find(entries.begin(), entries.end(), path);
        if (it != entries.end()) recent->remove(static_cast<std::size_t>(it - entries.begin()));
      }
      return;
    }
    makeCurrent(path);
    confirm(kConfirmOpenCaption, snapshot);
  }
  changed();
}

void ConfigurationCommands::reload() {
  if (m_state.path.empty()) return;
  if (m_ui.message(loadString(kReloadQuestion), PromptIcon::Question, PromptButtons::YesNo) !=
      PromptAnswer::Yes) {
    return;
  }
  loadConfiguration(m_state.path);
}

void ConfigurationCommands::useDefault(BuiltinDefault which) {
  if (!promptSaveChanges()) return;
  {
    ConfigurationSnapshot snapshot(m_state, [this] { changed(); });
    loadDefault(which);
    confirm(kConfirmDefaultCaption, snapshot);
  }
  changed();
}

}  // namespace hueset
