#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace hueset::gui {

// Runs `deliver`; an exception escaping it is caught, told to `report` in a
// sentence for the user, and counts as an event not handled.
bool deliverGuarded(const std::function<bool()>& deliver,
                    const std::function<void(const QString&)>& report);

// The desktop program's application object: an exception escaping an event
// handler (a command that ran out of memory, say) is reported in a message
// box and the program goes on, instead of ending with the user's unsaved
// document.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool m_reporting = false;  // a failure while the box is up is not boxed again
};

}  // namespace hueset::gui
