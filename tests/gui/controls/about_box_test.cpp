#include "gui/controls/about_box.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

namespace hueset::gui {
namespace {

// Takes the URLs the desktop would open.
class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

class Links : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* scheme : {"http", "https", "mailto"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
  }
  void TearDown() override {
    for (const char* scheme : {"http", "https", "mailto"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
  }
  UrlRecorder recorder;
};

TEST_F(Links, ClickOpensAndAVisitedLinkOpensAgainAndStaysPurple) {
  LinkLabel link(QStringLiteral("https://hueset.example.org"));
  link.resize(220, 20);
  link.show();
  EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(link.font().underline());
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_EQ(recorder.opened.size(), 1);
  EXPECT_EQ(recorder.opened[0], QUrl(QStringLiteral("https://hueset.example.org")));
  EXPECT_TRUE(link.visited());
  EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
  QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(recorder.opened.size(), 2);
  EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
}

TEST_F(Links, EmailTextOpensAMailLinkAndAnExplicitLinkWins) {
  LinkLabel mail(QStringLiteral("hueset@example.org"));
  EXPECT_EQ(mail.target(), QUrl(QStringLiteral("mailto:hueset@example.org")));
  EXPECT_TRUE(mail.open());
  LinkLabel named(QStringLiteral("Home page"), nullptr, QStringLiteral("http://example.org/"));
  EXPECT_EQ(named.target(), QUrl(QStringLiteral("http://example.org/")));
}

TEST_F(Links, AboutBoxShowsEveryPart) {
  AboutBox box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About HUESET"));
  EXPECT_EQ(box.links().size(), 5);
  EXPECT_FALSE(box.environment()->text().isEmpty());
  EXPECT_TRUE(
      box.licence()->toHtml().contains(QStringLiteral("href=\"https://www.gnu.org/licenses/\"")));
  bool build = false;
  bool credits = false;
  for (QLabel* label : box.findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("(Build 1184)")) build = true;
  }
  for (QPushButton* b : box.findChildren<QPushButton*>()) {
    if (b->text() == QStringLiteral("Credits...")) credits = true;
  }
  EXPECT_TRUE(build);
  EXPECT_TRUE(credits);
  emit box.licence()->anchorClicked(QUrl(QStringLiteral("https://www.gnu.org/licenses/")));
  EXPECT_EQ(recorder.opened.size(), 1);
}

TEST(Credits, ScrollAndLoopUntilClosed) {
  CreditsDisplay display;
  EXPECT_EQ(display.size(), QSize(515, 300));
  const int lines = display.scroller().lineCount();
  int wraps = 0;
  int last = -1;
  for (int i = 0; i < 20000 && wraps < 2; ++i) {
    display.tick();
    const int now = display.scroller().currentLine();
    if (now == 0 && last == lines - 1) ++wraps;
    last = now;
  }
  EXPECT_EQ(wraps, 2);
}

TEST(Credits, MissingBitmapStopsTheTimerWithItsMessage) {
  CreditsDisplay display;
  display.removeBitmap(QStringLiteral("IDB_SPLASH8"));
  QSignalSpy missing(&display, &CreditsDisplay::missingBitmap);
  display.start();
  for (int i = 0; i < 2000 && missing.isEmpty(); ++i) display.tick();
  ASSERT_EQ(missing.size(), 1);
  EXPECT_FALSE(display.running());
  EXPECT_EQ(missing[0][0].toString(),
            QStringLiteral("Could not find bitmap resource \"IDB_SPLASH8\". Be sure to assign the "
                           "bitmap a QUOTED resource name"));
}

}  // namespace
}  // namespace hueset::gui

#include "about_box_test.moc"
