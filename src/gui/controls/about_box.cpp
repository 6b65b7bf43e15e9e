#include "gui/controls/about_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QOperatingSystemVersion>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QTextBrowser>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "desktop/groupings/colour_palette.h"
#include "gui/common/qt_text.h"
#include "gui/controls/validating_field.h"

namespace hueset::gui {
namespace {

constexpr const char* kSplashName = "IDB_SPLASH8";

QFont creditQFont(const CreditFont& look) {
  QFont font(toQString(look.family));
  font.setPixelSize(look.pixelHeight);
  font.setWeight(static_cast<QFont::Weight>(look.weight));
  font.setItalic(look.italic);
  return font;
}

QFont headingFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setWeight(QFont::Bold);
  return font;
}

}  // namespace

// CreditsDisplay

CreditsDisplay::CreditsDisplay(QWidget* parent) : QWidget(parent), m_scroller(creditLines()) {
  setFixedSize(kCreditsWidth, kCreditsHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_bitmaps[toQString(kSplashName)] = splashPicture();
}

void CreditsDisplay::start() {
  if (!m_timer.isActive()) m_timer.start(kCreditsTickMilliseconds, this);
}

void CreditsDisplay::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_timer.timerId()) {
    tick();
    return;
  }
  QWidget::timerEvent(event);
}

void CreditsDisplay::tick() {
  const CreditScroller::Tick t =
      m_scroller.tick([this](std::string_view name) -> std::optional<int> {
        auto it = m_bitmaps.find(toQString(name));
        if (it == m_bitmaps.end()) return std::nullopt;
        return it->second.height();
      });
  for (Shown& shown : m_shown) --shown.top;
  std::erase_if(m_shown, [](const Shown& s) { return s.top + s.height < 0; });
  if (t.missingBitmap) {
    stop();
    const CreditLine line = parseCreditLine(m_scroller.line(t.line));
    emit missingBitmap(toQString(missingBitmapMessage(line.text)));
    return;
  }
  if (t.newLine) m_shown.push_back({t.line, height(), t.height});
  update();
}

void CreditsDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  for (const Shown& shown : m_shown) {
    const CreditLine line = parseCreditLine(m_scroller.line(shown.line));
    const QRect area(0, shown.top, width(), shown.height);
    if (line.style == CreditStyle::Bitmap) {
      auto it = m_bitmaps.find(toQString(line.text));
      if (it != m_bitmaps.end()) {
        p.drawPixmap((width() - it->second.width()) / 2, shown.top, it->second);
      }
      continue;
    }
    const CreditFont look = creditFont(line.style);
    p.setFont(creditQFont(look));
    p.setPen(toQColor(look.colour));
    p.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter, toQString(line.text));
  }
}

// CreditsDialog

CreditsDialog::CreditsDialog(QWidget* parent)
    : QDialog(parent), m_display(new CreditsDisplay(this)) {
  setWindowTitle(QStringLiteral("Credits"));
  setControlId(m_display, 1106);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_display, &CreditsDisplay::missingBitmap, this, [this](const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, QString(), message, QMessageBox::Ok, this);
    box.exec();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_display);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_display->start();
}

// AboutBox

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent), m_licence(new QTextBrowser(this)), m_environment(new QLabel(this)) {
  setWindowTitle(toQString(kAboutCaption));

  auto* icon = new QLabel(this);
  QIcon appIcon = QApplication::windowIcon();
  if (appIcon.isNull()) appIcon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  icon->setPixmap(appIcon.pixmap(32, 32));

  auto* version = new QLabel(toQString(kAboutVersionLine), this);
  version->setFont(headingFont());
  auto* rights = new QLabel(toQString(kAboutRightsNotice), this);
  rights->setWordWrap(true);
  auto* build = new QLabel(toQString(aboutBuildText()), this);
  setControlId(build, 1100);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  setControlId(ok, 1);
  auto* credits = new QPushButton(QStringLiteral("Credits..."), this);
  credits->setAutoDefault(false);
  setControlId(credits, 1098);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(credits, &QPushButton::clicked, this, &AboutBox::showCredits);

  setControlId(m_licence, 1099);
  m_licence->setOpenLinks(false);
  m_licence->setHtml(licenceHtml());
  m_licence->setMinimumSize(420, 170);
  connect(m_licence, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
    if (!QDesktopServices::openUrl(url)) QApplication::beep();
  });

  auto* links = new QGridLayout;
  int row = 0;
  for (const AboutLink& link : aboutLinks()) {
    links->addWidget(new QLabel(toQString(link.label), this), row, 0);
    auto* control = new LinkLabel(toQString(link.text), this);
    setControlId(control, 1101 + row);
    links->addWidget(control, row, 1);
    ++row;
  }
  links->setColumnStretch(1, 1);

  auto* environmentLabel = new QLabel(QStringLiteral("Operating Environment:"), this);
  environmentLabel->setFont(headingFont());
  setControlId(m_environment, 1107);
  m_environment->setText(operatingEnvironmentText());
  m_environment->setWordWrap(true);
  m_environment->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* heading = new QVBoxLayout;
  heading->addWidget(version);
  heading->addWidget(rights);
  heading->addWidget(build);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(credits);
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addLayout(heading, 1);
  top->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_licence, 1);
  layout->addLayout(links);
  layout->addWidget(environmentLabel);
  layout->addWidget(m_environment);
}

QList<LinkLabel*> AboutBox::links() const { return findChildren<LinkLabel*>(); }

void AboutBox::showCredits() {
  CreditsDialog dialog(this);
  dialog.exec();
}

QString operatingEnvironmentText() {
#ifdef Q_OS_WIN
  const QOperatingSystemVersion current = QOperatingSystemVersion::current();
  WindowsVersion version;
  version.platform = WindowsVersion::Platform::WindowsNT;
  version.major = current.majorVersion();
  version.minor = current.minorVersion();
  version.build = static_cast<std::uint32_t>(std::max(current.microVersion(), 0));
  version.productType =
      QSysInfo::prettyProductName().contains(QLatin1String("Server")) ? "SERVERNT" : "WINNT";
  return toQString(windowsEnvironmentText(version)).trimmed();
#else
  return QStringLiteral("%1\n%2 %3 (%4)")
      .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
           QSysInfo::currentCpuArchitecture());
#endif
}

QString licenceHtml() {
  QString html = QStringLiteral("<p>");
  for (const TextPiece& piece : splitLinks(aboutLicenceText())) {
    const QString text = toQString(piece.text).toHtmlEscaped();
    if (piece.isLink) {
      const QString target = toQString(linkTarget({}, piece.text)).toHtmlEscaped();
      html += QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text);
    } else {
      QString paragraphs = text;
      paragraphs.replace(QStringLiteral("\n\n"), QStringLiteral("</p><p>"));
      paragraphs.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
      html += paragraphs;
    }
  }
  html += QStringLiteral("</p>");
  return html;
}

QPixmap splashPicture() {
  // A small annotated alignment: rows of residues in grouping colours.
  constexpr int kColumns = 30;
  constexpr int kRows = 5;
  constexpr int kCell = 9;
  QPixmap pixmap(kColumns * kCell + 20, kRows * kCell + 44);
  pixmap.fill(Qt::black);
  QPainter p(&pixmap);
  const auto palette = officePalette();
  const int picks[] = {17, 25, 13, 21, 9, 26, 29, 33};
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const bool conserved = (c * 7 + 3) % 5 != 0;
      const int pick = picks[(c / 3 + (conserved ? 0 : r)) % 8];
      const QColor colour = conserved ? toQColor(palette[static_cast<std::size_t>(pick)].colour)
                                      : QColor(0x40, 0x40, 0x40);
      p.fillRect(10 + c * kCell, 6 + r * kCell, kCell - 1, kCell - 1, colour);
    }
  }
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, kRows * kCell + 10, pixmap.width(), 30), Qt::AlignCenter,
             QStringLiteral("HUESET"));
  return pixmap;
}

void showAboutBox(QWidget* parent) {
  AboutBox box(parent);
  box.exec();
}

}  // namespace hueset::gui
