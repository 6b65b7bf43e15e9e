#include <clocale>

#include "gui/app/guarded_application.h"
#include "gui/app/hueset_app.h"
#include "util/file_write.h"

int main(int argc, char** argv) {
  hueset::gui::GuardedApplication qapp(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Vantor"));
  QApplication::setApplicationName(QStringLiteral("Hueset"));
  QGuiApplication::setDesktopFileName(QStringLiteral("hueset"));
  // Qt takes the user's locale; numbers in messages and files keep the dot.
  std::setlocale(LC_NUMERIC, "C");
  // A file half written when the program is ended by a signal leaves no
  // temporary file behind.
  hueset::installTemporaryFileCleanup();

  hueset::gui::HuesetApp app(QApplication::arguments());
  if (!app.start()) return 1;
  const int code = QApplication::exec();
  return app.shutDown(code);
}
