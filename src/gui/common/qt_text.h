#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

#include "groupings/grouping_set.h"

namespace hueset::gui {

// The one place where the core's bytes and Qt's strings meet.

// The core keeps texts as bytes; the windows show them as Latin-1, which
// never fails on any byte.
inline QString toQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// File names are bytes in the file system's encoding, and so are the
// system's messages and the messages that quote a file name.
inline QString toQPath(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

inline std::string toPathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// Texts of the string table keep Windows line ends; a label wants line feeds.
inline QString withLineFeeds(std::string_view text) {
  QString s = toQString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

// A message box's text: line feeds, and no break at the end.
inline QString displayText(std::string_view text) {
  QString s = withLineFeeds(text);
  while (s.endsWith(QLatin1Char('\n'))) s.chop(1);
  return s;
}

// Colours of the core (red in the low byte) and of Qt.
inline QColor toQColor(Colour colour) {
  return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                static_cast<int>(blueOf(colour)));
}

inline Colour fromQColor(const QColor& colour) {
  return rgb(static_cast<unsigned>(colour.red()), static_cast<unsigned>(colour.green()),
             static_cast<unsigned>(colour.blue()));
}

}  // namespace hueset::gui
