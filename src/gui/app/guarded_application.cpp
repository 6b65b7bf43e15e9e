#include "gui/app/guarded_application.h"

#include <exception>
#include <new>

#include <QScopedValueRollback>

#include "gui/common/message_box.h"

namespace hueset::gui {

bool deliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString&)>& report) {
  QString what;
  try {
    return deliver();
  } catch (const std::bad_alloc&) {
    what = QStringLiteral("there was not enough memory");
  } catch (const std::exception& e) {
    what = QString::fromLocal8Bit(e.what());
  } catch (...) {
    what = QStringLiteral("an unexpected failure");
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
