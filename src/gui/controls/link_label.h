#pragma once

#include <QLabel>
#include <QUrl>

namespace hueset::gui {

// A static text that acts as a hyperlink: blue and underlined, purple once
// opened, with the hand cursor; a click opens the target (its own text
// when no link is set) with the desktop's handler, or beeps when that
// fails.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr, const QString& link = {});

  void setLink(const QString& link) { m_link = link; }
  QString link() const { return m_link; }
  QUrl target() const;
  bool visited() const { return m_visited; }

  // Opens the target; true when the desktop took it.
  bool open();

 signals:
  void opened(const QUrl& url);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void updateColour();

  QString m_link;
  bool m_visited = false;
};

}  // namespace hueset::gui
