#include "gui/settings/general_page.h"

#include <QAbstractButton>
#include <QFontDialog>
#include <QPainter>
#include <QPixmap>

namespace hueset::gui {
namespace {

// The small picture on the Font button: a capital A.
QIcon fontButtonIcon() {
  QPixmap picture(12, 12);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("Serif"));
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 128));
  painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("A"));
  return QIcon(picture);
}

}  // namespace

QFont defaultPageFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(10);
  font.setWeight(QFont::Normal);
  font.setFixedPitch(true);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

GeneralPage::GeneralPage(const PageSetup& setup, QWidget* parent)
    : OptionsPageWidget(OptionsPage::General, setup, parent),
      m_font(defaultPageFont()),
      m_chooser([](QWidget* owner, const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, owner);
        if (!ok) return std::nullopt;
        return chosen;
      }) {
  if (QAbstractButton* font = button(optionctl::kEditorFont)) {
    font->setIcon(fontButtonIcon());
    font->setIconSize(QSize(12, 12));
    connect(font, &QAbstractButton::clicked, this, &GeneralPage::chooseFont);
  }
}

void GeneralPage::chooseFont() {
  if (!m_chooser) return;
  if (std::optional<QFont> chosen = m_chooser(this, m_font)) m_font = *chosen;
}

}  // namespace hueset::gui
