#include "gui/settings/general_page.h"

#include <QAbstractButton>
#include <QFontDialog>

#include "gui/controls/drawn_icons.h"

namespace hueset::gui {

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
  if (QAbstractButton* font = button(GeneralControl::EditorFont)) {
    font->setIcon(buttonIcon(ButtonPicture::Font));
    font->setIconSize(buttonIconSize(ButtonPicture::Font));
    connect(font, &QAbstractButton::clicked, this, &GeneralPage::chooseFont);
  }
}

void GeneralPage::chooseFont() {
  if (!m_chooser) return;
  if (std::optional<QFont> chosen = m_chooser(this, m_font)) m_font = *chosen;
}

}  // namespace hueset::gui
