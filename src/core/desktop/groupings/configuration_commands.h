#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/frame/prompt_types.h"
#include "groupings/builtin_defaults.h"
#include "groupings/current_configuration.h"
#include "settings/options.h"
#include "util/string_table.h"

namespace hueset {

// Window titles of the groupings editor when it asks to confirm a
// configuration that has just replaced the current one.
inline constexpr std::string_view kConfirmOpenCaption = "Confirm open configuration file";
inline constexpr std::string_view kConfirmDefaultCaption = "Confirm use default configuration";

// What the groupings editor is given besides the set it edits.
struct GroupingsEditorRequest {
  bool confirmationMode = false;
  std::string caption;          // the window title in confirmation mode
  std::string invalidLetters;   // the residues field refuses these
  bool webSafePalette = false;  // the colour pickers offer the web-safe colours
};

// Everything the configuration commands need from the user and the screen.
// The desktop program answers with dialogs, tests with scripts.
class ConfigurationUi {
 public:
  struct FileChoice {
    std::string path;     // as the dialog gave it
    int filterIndex = 0;  // 0-based position of the chosen filter
  };

  virtual ~ConfigurationUi() = default;

  virtual PromptAnswer message(std::string_view text, PromptIcon icon, PromptButtons buttons) = 0;
  // The "Open" dialog on `folder` (kConfigurationOpenFilters; the file must
  // exist); none when cancelled.
  virtual std::optional<FileChoice> chooseConfigurationToOpen(const std::string& folder) = 0;
  // The "Save As" dialog proposing `proposedPath` (kConfigurationSaveFilters,
  // the binary one selected, asking before replacing a file); none when
  // cancelled.
  virtual std::optional<FileChoice> chooseConfigurationToSave(const std::string& proposedPath) = 0;
  // The groupings editor on `target`, which it changes only when the user
  // confirms it (OK) or saves from it (ConfigurationCommands::saveFromEditor).
  // True when confirmed or saved.
  virtual bool editGroupings(GroupingSet& target, const GroupingsEditorRequest& request) = 0;
  // The configuration, its title or its flags changed: the caption and the
  // commands' enabling follow.
  virtual void configurationChanged() = 0;
  // The wait cursor around reading and writing files.
  virtual void setBusy(bool busy) = 0;
};

// The invalid-residue warning the editor must give before it opens on
// `set`: 2067 when the standard 20 are enforced, 2082 for the user's own
// list; none when no ordinary grouping holds an invalid letter.
std::optional<StringId> invalidResidueWarning(const GroupingSet& set, const ParseOptions& parse);

// The "&Residue Groupings" commands and the operations behind them, over the
// application's one current configuration and its options (the recent
// configuration list, the configuration folder, the invalid residues).
class ConfigurationCommands {
 public:
  ConfigurationCommands(CurrentConfiguration& state, Options& options, ConfigurationUi& ui);

  const CurrentConfiguration& state() const { return m_state; }

  // Reads `path` and makes its set current; on failure shows why and keeps
  // the configuration as it was. Path and title are not changed.
  bool loadConfiguration(const std::string& path);
  // Makes a built-in default current (not modified).
  void loadDefault(BuiltinDefault which);
  // Names `path` as the current file: title, recent list, caption.
  void makeCurrent(const std::string& path);
  // Writes the set to its file in the form it was read in; Save As when
  // there is no file or it is read-only. True on success.
  bool saveConfiguration();
  // Asks for a name and a form and writes the set there. True on success.
  bool saveConfigurationAs();
  // Offers to save unsaved changes: false when the user cancels or the save
  // fails.
  bool promptSaveChanges();
  // The residue letters the options declare invalid.
  std::string invalidResidueLetters() const;
  // A save from the open groupings editor: `edited` becomes the set, marked
  // modified, and is saved; if that fails, set and flag go back as they were.
  bool saveFromEditor(const GroupingSet& edited, bool saveAs);

  // Start-up: the last configuration file, else the colour default.
  void startUp();
  // Exit: the current file (empty for a built-in default) is remembered;
  // a run that never reached startUp keeps the file remembered before.
  void storeForExit();

  // The menu commands.
  void edit();
  void open();
  void openRecent(std::size_t index);
  void reload();
  void useDefault(BuiltinDefault which);

  bool reloadEnabled() const { return hueset::reloadEnabled(m_state); }
  bool saveEnabled() const { return hueset::saveEnabled(m_state); }
  // The recent list exists (its count is not 0) and holds an entry.
  bool recentEnabled() const;

 private:
  enum class ResidueCheck { AskFirst, Tell };

  // False when the user abandons the command.
  bool checkInvalidResidues(ResidueCheck mode);
  // The editor in confirmation mode; commits the snapshot when confirmed.
  void confirm(std::string_view caption, ConfigurationSnapshot& snapshot);
  GroupingsEditorRequest editorRequest(bool confirmationMode, std::string_view caption) const;
  void reportSaveFailure(const std::string& path);
  void reportLoadFailure(const ConfigurationLoad& load);
  void changed() { m_ui.configurationChanged(); }
  // Where the Open and Save As dialogs start (see configurationDialogFolder).
  std::string dialogFolder() const;

  CurrentConfiguration& m_state;
  Options& m_options;
  ConfigurationUi& m_ui;
  bool m_started = false;
};

// The name Save As offers: `proposed`, unless its folder takes no new files
// (the program's own folder, once installed, or one that has gone); then the
// same name in `userFolder`, which is made if need be.
std::string proposedWhereItCanBeSaved(const std::string& proposed, const std::string& userFolder);

// Where the configuration dialogs start: the folder they were left in,
// unless it has gone or is the program's own (where an installed program
// keeps nothing of the user's, and which start-up takes by default); then
// the current configuration file's folder; else `userFolder`, where the
// profile lives; else the documents folder.
std::string configurationDialogFolder(const std::string& remembered, const std::string& currentFile,
                                      const std::string& programFolder,
                                      const std::string& userFolder);

// The name a file dialog gave, freed of surrounding quotation marks and made
// absolute; a symbolic link is followed to its target.
std::string resolveChosenConfigurationPath(std::string_view chosen);

}  // namespace hueset
