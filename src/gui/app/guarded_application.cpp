#include "gui/app/guarded_application.h"

#include <QScopedValueRollback>

#include "gui/common/message_box.h"
#include "util/current_failure.h"

namespace hueset::gui {

bool deliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString&)>& report) {
  QString what;
  try {
    return deliver();
  } catch (...) {
    what = QString::fromLocal8Bit(currentFailure());
  }
  report(QStringLiteral("The command could not be completed: %1.\n\n"
                        "Your document is still open; save it before you go on.")
             .arg(what));
  return false;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  return deliverGuarded([&] { return QApplication::notify(receiver, event); },
                        [this](const QString& text) {
                          if (m_reporting) return;
                          QScopedValueRollback<bool> reporting(m_reporting, true);
                          showMessageBox(activeWindow(), QStringLiteral("HUESET"), text,
                                         PromptIcon::Stop, PromptButtons::Ok);
                        });
}

}  // namespace hueset::gui
