#pragma once

#include <QFont>
#include <QObject>
#include <functional>
#include <optional>

#include "desktop/frame/window_memory.h"
#include "desktop/options/options_pages.h"
#include "gui/controls/validating_field.h"
#include "settings/options.h"

class QWidget;

namespace hueset::gui {

class OptionsDialog;

// The Options command: shows the five option pages on copies of the option
// groups, copies them back on OK, and remembers for the run which page to
// open next time.
class OptionsCommand : public QObject {
  Q_OBJECT
 public:
  // Runs the sheet and returns its result (QDialog::Accepted on OK).
  using Runner = std::function<int(OptionsDialog& sheet)>;

  // `window` is the sheet's parent and this object's owner. The fields share
  // `support` when given, else one of this command's own.
  OptionsCommand(Options& options, QWidget* window, FieldSupport* support = nullptr);

  FieldSupport& fieldSupport() { return *m_support; }
  // Replaces the modal run of the sheet (tests drive the sheet themselves).
  void setRunner(Runner runner) { m_runner = std::move(runner); }
  // The page the next sheet opens on, or kNoOptionsPage.
  int rememberedPage() const { return m_memory.remembered(); }
  // Where the sheet opens and how large: where the last one closed.
  const std::optional<ScreenRect>& place() const { return m_place; }
  void setPlace(std::optional<ScreenRect> place) { m_place = place; }

  // The General page starts from `editorFont`. True on OK: the options
  // then hold the new values and `applied` has been emitted.
  bool showOptions(const QFont& editorFont);

 signals:
  // After OK: the toolbar takes the other button size when it changed, and
  // the editor takes `editorFont`; the status bar shows the new thresholds.
  void applied(bool toolbarSizeChanged, const QFont& editorFont);

 private:
  Options& m_options;
  QWidget* m_window;
  FieldSupport m_ownSupport;
  FieldSupport* m_support;
  OptionsPageMemory m_memory;
  Runner m_runner;
  std::optional<ScreenRect> m_place;
};

}  // namespace hueset::gui
