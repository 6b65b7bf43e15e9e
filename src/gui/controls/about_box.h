#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QUrl>
#include <map>
#include <optional>

#include "desktop/frame/about_text.h"
#include "gui/controls/link_label.h"

class QTextBrowser;

namespace hueset::gui {

// The scrolling credits: lines rise one pixel every 16 milliseconds on a
// black background, each in the style its last character picks; the list
// starts again after its last line.
class CreditsDisplay : public QWidget {
  Q_OBJECT
 public:
  explicit CreditsDisplay(QWidget* parent = nullptr);

  // The bitmaps credit lines can name (the splash picture is built in).
  void setBitmap(const QString& name, const QPixmap& pixmap) { m_bitmaps[name] = pixmap; }
  void removeBitmap(const QString& name) { m_bitmaps.erase(name); }

  bool running() const { return m_timer.isActive(); }
  void start();
  void stop() { m_timer.stop(); }
  // One timer tick, as the timer runs it.
  void tick();
  const CreditScroller& scroller() const { return m_scroller; }

 signals:
  // A credit line names a bitmap that does not exist; the timer has stopped.
  void missingBitmap(const QString& message);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  struct Shown {
    int line;
    int top;
    int height;
  };

  CreditScroller m_scroller;
  std::vector<Shown> m_shown;
  std::map<QString, QPixmap> m_bitmaps;
  QBasicTimer m_timer;
};

// The "Credits..." window.
class CreditsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CreditsDialog(QWidget* parent = nullptr);
  CreditsDisplay* display() const { return m_display; }

 private:
  CreditsDisplay* m_display;
};

// "About HUESET": name and version, the licence, links, the operating
// environment and the credits.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);

  QTextBrowser* licence() const { return m_licence; }
  QList<LinkLabel*> links() const;
  QLabel* environment() const { return m_environment; }
  void showCredits();

 private:
  QTextBrowser* m_licence;
  QLabel* m_environment;
};

// The operating system as this desktop describes it (on Windows in the
// long-standing "Microsoft Windows ..." wording).
QString operatingEnvironmentText();
// The licence text as HTML with its web addresses as links.
QString licenceHtml();
// The splash picture named by the credits.
QPixmap splashPicture();

void showAboutBox(QWidget* parent);

}  // namespace hueset::gui
