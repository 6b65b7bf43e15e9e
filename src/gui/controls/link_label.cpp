#include "gui/controls/link_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>

#include "desktop/frame/about_text.h"
#include "gui/common/qt_text.h"

namespace hueset::gui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, const QString& link)
    : QLabel(text, parent), m_link(link) {
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  updateColour();
}

QUrl LinkLabel::target() const {
  return QUrl(toQString(linkTarget(toStdString(m_link), toStdString(text()))), QUrl::TolerantMode);
}

bool LinkLabel::open() {
  const QUrl url = target();
  if (!url.isValid() || !QDesktopServices::openUrl(url)) {
    QApplication::beep();
    return false;
  }
  m_visited = true;
  updateColour();
  emit opened(url);
  return true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    open();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::updateColour() {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, toQColor(linkColour(m_visited)));
  setPalette(p);
  update();
}

}  // namespace hueset::gui
