#include "groupings/current_configuration.h"

#include <filesystem>
#include <system_error>

#include "groupings/groupings_messages.h"
#include "util/text_format.h"

namespace hueset {
namespace fs = std::filesystem;

namespace {

// Characters at which the title stops making a file name.
constexpr std::string_view kTitleStops = " #%;/\\";

}  // namespace

StartupConfiguration startupConfiguration(const std::string& lastConfigurationFile) {
  StartupConfiguration start;
  if (lastConfigurationFile.empty()) return start;
  std::error_code ec;
  fs::path absolute = fs::absolute(lastConfigurationFile, ec);
  start.path = (ec ? fs::path(lastConfigurationFile) : absolute).lexically_normal().string();
  start.load = loadConfigurationFile(lastConfigurationFile);
  return start;
}

GroupingSet StartupConfiguration::takeSet() {
  return usesFile() ? std::move(load.set) : builtinDefault(BuiltinDefault::Colour);
}

void takeLoadedConfiguration(CurrentConfiguration& state, ConfigurationLoad&& load) {
  state.set = std::move(load.set);
  state.readAsBinary = load.form == ConfigurationForm::Binary;
  // Freshly read, the set is what its file holds, whichever form it had.
  state.modified = false;
}

void takeBuiltinDefault(CurrentConfiguration& state, BuiltinDefault which) {
  state.title = std::string(builtinDefaultTitle(which));
  state.path.clear();
  state.set = builtinDefault(which);
  state.readAsBinary = true;
  state.modified = false;
}

void setConfigurationPath(CurrentConfiguration& state, const std::string& path) {
  state.path = path;
  state.title = configurationFileTitle(path);
}

std::string configurationFileTitle(std::string_view path) {
  return fs::path(path).filename().string();
}

std::string proposedConfigurationPath(const CurrentConfiguration& state,
                                      std::string_view directory) {
  if (!state.path.empty()) return state.path;
  std::string name = state.title.substr(0, state.title.find_first_of(kTitleStops));
  name += '.';
  name += kConfigurationDefaultExtension;
  if (directory.empty()) return name;
  return (fs::path(directory) / name).string();
}

ConfigurationForm plainSaveForm(const CurrentConfiguration& state) {
  return state.readAsBinary ? ConfigurationForm::Binary : ConfigurationForm::Text;
}

bool saveNeedsNewName(const std::string& path) {
  if (path.empty()) return true;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return true;
  constexpr fs::perms anyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & anyWrite) == fs::perms::none;
}

std::string saveChangesQuestion(const CurrentConfiguration& state) {
  const std::string name = state.path.empty() ? state.title : configurationFileTitle(state.path);
  return fillPlaceholder(loadString(GroupingsMessage::SaveChanges), name);
}

bool reloadEnabled(const CurrentConfiguration& state) {
  return !state.path.empty() && state.modified;
}

bool saveEnabled(const CurrentConfiguration& state) { return state.modified; }

ConfigurationForm configurationFormForFilter(int filterIndex) {
  return filterIndex == 1 ? ConfigurationForm::Text : ConfigurationForm::Binary;
}

ConfigurationSnapshot::ConfigurationSnapshot(CurrentConfiguration& state,
                                             std::function<void()> restored)
    : m_state(state), m_saved(state), m_restored(std::move(restored)) {}

ConfigurationSnapshot::~ConfigurationSnapshot() {
  if (m_commit) return;
  m_state = std::move(m_saved);
  if (m_restored) m_restored();
}

}  // namespace hueset
