#include "gui/controls/drawn_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <initializer_list>

#include "desktop/frame/command_ids.h"

namespace hueset::gui {
namespace {

// Drawings are made on a 32 by 32 grid and scaled to the size asked for.
using Drawing = void (*)(QPainter&);

const QColor kOutline(40, 40, 48);
const QColor kPaper(255, 255, 255);

// The straight lines through `points`, back to the first one when `closed`.
QPainterPath pathThrough(std::initializer_list<QPointF> points, bool closed = true) {
  QPainterPath path;
  for (const QPointF& point : points) {
    if (path.elementCount() == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  if (closed) path.closeSubpath();
  return path;
}

void page(QPainter& p, QRectF r) {
  const qreal fold = r.width() * 0.3;
  const QPainterPath path =
      pathThrough({r.topLeft(), QPointF(r.right() - fold, r.top()),
                   QPointF(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(kPaper);
  p.drawPath(path);
  const QPainterPath corner =
      pathThrough({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                   QPointF(r.right(), r.top() + fold)},
                  false);
  p.setBrush(QColor(210, 214, 222));
  p.drawPath(corner);
}

void textLines(QPainter& p, qreal left, qreal top, qreal width, int count, qreal step,
               const QList<QColor>& colours = {}) {
  for (int i = 0; i < count; ++i) {
    QColor c = colours.isEmpty() ? QColor(120, 130, 150) : colours[i % colours.size()];
    p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::FlatCap));
    qreal w = (i % 2) ? width * 0.75 : width;
    p.drawLine(QPointF(left, top + i * step), QPointF(left + w, top + i * step));
  }
}

void clipboard(QPainter& p) {
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(QColor(176, 120, 60));
  p.drawRoundedRect(QRectF(5, 5, 22, 25), 2.5, 2.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(8, 9, 16, 18));
  p.setBrush(QColor(160, 160, 170));
  p.drawRoundedRect(QRectF(11, 2.5, 10, 5), 1.5, 1.5);
}

void drawNew(QPainter& p) {
  page(p, QRectF(6, 2, 20, 28));
  p.setPen(QPen(QColor(230, 170, 0), 2.2));
  p.drawLine(QPointF(23, 21), QPointF(23, 29));
  p.drawLine(QPointF(19, 25), QPointF(27, 25));
}

void drawOpen(QPainter& p) {
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(QColor(230, 180, 60));
  p.drawPath(pathThrough({QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(26, 11),
                          QPointF(26, 27), QPointF(3, 27)}));
  p.setBrush(QColor(250, 210, 100));
  p.drawPath(pathThrough({QPointF(7, 15), QPointF(30, 15), QPointF(26, 27), QPointF(3, 27)}));
}

void floppy(QPainter& p, const QColor& body) {
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(body);
  p.drawPath(pathThrough(
      {QPointF(4, 4), QPointF(25, 4), QPointF(28, 7), QPointF(28, 28), QPointF(4, 28)}));
  p.setBrush(QColor(220, 224, 230));
  p.drawRect(QRectF(9, 4, 13, 8));
  p.setBrush(kPaper);
  p.drawRect(QRectF(8, 16, 16, 12));
}

void drawSave(QPainter& p) {
  floppy(p, QColor(60, 100, 190));
  textLines(p, 10.5, 19.5, 11, 3, 3);
}

void drawCut(QPainter& p) {
  p.setPen(QPen(kOutline, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(11, 3), QPointF(20, 21));
  p.drawLine(QPointF(21, 3), QPointF(12, 21));
  p.setPen(QPen(QColor(190, 40, 40), 2.4));
  p.drawEllipse(QRectF(5, 20, 8, 8));
  p.drawEllipse(QRectF(19, 20, 8, 8));
}

void drawCopy(QPainter& p) {
  page(p, QRectF(3, 2, 16, 21));
  textLines(p, 6, 10, 9, 3, 4);
  page(p, QRectF(13, 9, 16, 21));
  textLines(p, 16, 17, 9, 3, 4);
}

void drawPaste(QPainter& p) {
  clipboard(p);
  textLines(p, 11, 14, 10, 3, 4);
}

void drawWord(QPainter& p) {
  page(p, QRectF(5, 2, 22, 28));
  p.setPen(QPen(QColor(30, 80, 180), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(pathThrough(
      {QPointF(8.5, 11), QPointF(11.5, 25), QPointF(16, 15), QPointF(20.5, 25), QPointF(23.5, 11)},
      false));
}

const QList<QColor> kResidueColours = {QColor(220, 0, 0), QColor(0, 160, 0), QColor(0, 0, 230),
                                       QColor(200, 0, 200)};

void drawRtf(QPainter& p) {
  clipboard(p);
  textLines(p, 11, 13, 10, 4, 3.6, kResidueColours);
}

void drawHtml(QPainter& p) {
  clipboard(p);
  p.setPen(QPen(QColor(0, 110, 200), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(14, 13), QPointF(10.5, 18), QPointF(14, 23)}));
  p.drawPolyline(QPolygonF({QPointF(18, 13), QPointF(21.5, 18), QPointF(18, 23)}));
}

void drawToFile(QPainter& p) {
  floppy(p, QColor(40, 140, 110));
  textLines(p, 10.5, 19.5, 11, 3, 3, kResidueColours);
}

void drawGroupings(QPainter& p) {
  p.setPen(QPen(kOutline, 1.4));
  const QList<QColor> swatches = {QColor(255, 255, 0), QColor(0, 0, 255),     QColor(255, 0, 0),
                                  QColor(0, 200, 0),   QColor(255, 0, 255),   QColor(51, 204, 204),
                                  QColor(153, 51, 0),  QColor(153, 153, 153), QColor(0, 0, 0)};
  for (int i = 0; i < 9; ++i) {
    p.setBrush(swatches[i]);
    p.drawRect(QRectF(3 + (i % 3) * 9, 3 + (i / 3) * 9, 8, 8));
  }
}

void drawOptions(QPainter& p) {
  for (int i = 0; i < 3; ++i) {
    qreal y = 7 + i * 9;
    p.setPen(QPen(QColor(110, 110, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, y), QPointF(28, y));
    p.setPen(QPen(kOutline, 1.4));
    p.setBrush(QColor(70, 130, 210));
    qreal x = (i == 0) ? 20 : (i == 1 ? 10 : 16);
    p.drawRoundedRect(QRectF(x - 3, y - 4, 6, 8), 1.5, 1.5);
  }
}

void drawAbout(QPainter& p) {
  p.setPen(QPen(QColor(20, 70, 160), 1.6));
  p.setBrush(QColor(60, 120, 220));
  p.drawEllipse(QRectF(3, 3, 26, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(14, 7.5, 4, 4));
  p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

void drawContextHelp(QPainter& p) {
  p.setPen(QPen(kOutline, 1.4));
  p.setBrush(Qt::white);
  p.drawPath(pathThrough({QPointF(3, 3), QPointF(3, 22), QPointF(7.5, 17.5), QPointF(11, 25),
                          QPointF(14, 23.5), QPointF(10.5, 16.5), QPointF(16.5, 16.5)}));
  QFont f;
  f.setPixelSize(20);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(20, 70, 160));
  p.drawText(QRectF(14, 6, 18, 24), Qt::AlignCenter, QStringLiteral("?"));
}

// Coloured residues under a magnifying glass.
void drawPreview(QPainter& p) {
  p.setPen(Qt::NoPen);
  const QColor cells[] = {QColor(255, 255, 0), QColor(0, 0, 255), QColor(255, 0, 0),
                          QColor(0, 160, 0)};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      p.setBrush(cells[(r + c) % 4]);
      p.drawRect(QRectF(2 + c * 5.5, 3 + r * 6, 4.6, 4.8));
    }
  }
  p.setPen(QPen(kOutline, 1.6));
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QRectF(11, 11, 13, 13));
  p.setPen(QPen(kOutline, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(22.5, 22.5), QPointF(29, 29));
}

void drawApplication(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
  const QList<QColor> rows[] = {
      {QColor(255, 255, 0), QColor(0, 0, 255), QColor(0, 0, 255), QColor(255, 0, 0)},
      {QColor(255, 255, 0), QColor(0, 0, 255), QColor(0, 160, 0), QColor(255, 0, 0)},
      {QColor(255, 255, 0), QColor(200, 0, 200), QColor(0, 160, 0), QColor(255, 0, 0)},
  };
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      p.setBrush(rows[r][c]);
      p.drawRect(QRectF(4 + c * 6.2, 5 + r * 7, 5.4, 5.6));
    }
  }
  p.setBrush(QColor(40, 40, 48));
  for (int c = 0; c < 4; ++c) p.drawRect(QRectF(4 + c * 6.2, 26, 5.4, 1.8));
}

Drawing drawingFor(Command command) {
  switch (command) {
    case Command::FileNew: return drawNew;
    case Command::FileOpen: return drawOpen;
    case Command::FileSave: return drawSave;
    case Command::EditCut: return drawCut;
    case Command::EditCopy: return drawCopy;
    case Command::EditPaste: return drawPaste;
    case Command::AnnotateToWord: return drawWord;
    case Command::AnnotateToRtfClipboard: return drawRtf;
    case Command::AnnotateToHtmlClipboard: return drawHtml;
    case Command::AnnotateToFile: return drawToFile;
    case Command::GroupingsEdit: return drawGroupings;
    case Command::Options: return drawOptions;
    case Command::AppAbout: return drawAbout;
    case Command::ContextHelp: return drawContextHelp;
    case Command::ViewPreview: return drawPreview;
    default: return nullptr;
  }
}

const char* themeNameFor(Command command) {
  switch (command) {
    case Command::FileNew: return "document-new";
    case Command::FileOpen: return "document-open";
    case Command::FileSave: return "document-save";
    case Command::EditCut: return "edit-cut";
    case Command::EditCopy: return "edit-copy";
    case Command::EditPaste: return "edit-paste";
    case Command::AppAbout: return "help-about";
    case Command::ContextHelp: return "help-contextual";
    default: return nullptr;
  }
}

// Paints a drawing at any size; disabled icons are drawn faded.
class DrawnIconEngine final : public QIconEngine {
 public:
  explicit DrawnIconEngine(Drawing drawing) : m_drawing(drawing) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 32.0, rect.height() / 32.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    m_drawing(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pm;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(m_drawing); }

 private:
  Drawing m_drawing;
};

// A small picture drawn in code, with a transparent background.
QIcon drawnIcon(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return QIcon(pixmap);
}

QIcon plusIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0, 128, 0), 2.4));
    p.drawLine(QPointF(r.center().x(), 1.5), QPointF(r.center().x(), r.height() - 1.5));
    p.drawLine(QPointF(1.5, r.center().y()), QPointF(r.width() - 1.5, r.center().y()));
  });
}

QIcon crossIcon(const QColor& colour) {
  return drawnIcon({12, 12}, [colour](QPainter& p, const QRectF& r) {
    p.setPen(QPen(colour, 2.2));
    p.drawLine(QPointF(2, 2), QPointF(r.width() - 2, r.height() - 2));
    p.drawLine(QPointF(r.width() - 2, 2), QPointF(2, r.height() - 2));
  });
}

QIcon arrowIcon(bool up) {
  return drawnIcon({12, 12}, [up](QPainter& p, const QRectF& r) {
    const qreal top = up ? 2 : r.height() - 2;
    const qreal base = up ? r.height() - 3 : 3;
    p.fillPath(
        pathThrough({QPointF(r.center().x(), top), QPointF(r.width() - 1, base), QPointF(1, base)}),
        QColor(0, 0, 128));
  });
}

QIcon tickIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF&) {
    p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(1.5, 6.5), QPointF(4.5, 9.5), QPointF(10.5, 2.5)}));
  });
}

QIcon offIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(128, 128, 128), 1.6));
    p.drawEllipse(r.adjusted(1.5, 1.5, -1.5, -1.5));
    p.drawLine(QPointF(3, 9), QPointF(9, 3));
  });
}

QIcon diskIcon(bool saveAs) {
  return drawnIcon({12, 12}, [saveAs](QPainter& p, const QRectF&) {
    p.fillRect(QRectF(1, 1, 10, 10), QColor(0, 0, 128));
    p.fillRect(QRectF(3, 1, 6, 4), QColor(230, 230, 230));
    p.fillRect(QRectF(3, 7, 6, 4), QColor(192, 192, 192));
    if (saveAs) {
      p.setPen(QPen(QColor(255, 0, 0), 1.6));
      p.drawLine(QPointF(7, 11), QPointF(11, 7));
    }
  });
}

QIcon helpIcon() {
  return drawnIcon({16, 15}, [](QPainter& p, const QRectF& r) {
    p.setBrush(QColor(0, 0, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(r.adjusted(1, 0.5, -1, -0.5));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
  });
}

// The Font button of the options: a capital A.
QIcon fontIcon() {
  return drawnIcon({12, 12}, [](QPainter& p, const QRectF& r) {
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("A"));
  });
}

}  // namespace

QIcon drawnCommandIcon(Command command) {
  Drawing d = drawingFor(command);
  return d ? QIcon(new DrawnIconEngine(d)) : QIcon();
}

QIcon commandIcon(Command command) {
  QIcon own = drawnCommandIcon(command);
  const char* theme = themeNameFor(command);
  if (theme && QIcon::hasThemeIcon(QString::fromLatin1(theme))) {
    return QIcon::fromTheme(QString::fromLatin1(theme), own);
  }
  return own;
}

QIcon applicationIcon() {
  QIcon icon(QStringLiteral(":/hueset/icons/hueset.png"));
  if (icon.isNull() || icon.availableSizes().isEmpty())
    icon = QIcon(new DrawnIconEngine(drawApplication));
  return icon;
}

QIcon buttonIcon(ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::Add: return plusIcon();
    case ButtonPicture::Delete: return crossIcon(QColor(192, 0, 0));
    case ButtonPicture::Cancel: return crossIcon(QColor(128, 0, 0));
    case ButtonPicture::MoveUp: return arrowIcon(true);
    case ButtonPicture::MoveDown: return arrowIcon(false);
    case ButtonPicture::Activate: return tickIcon();
    case ButtonPicture::Inactivate: return offIcon();
    case ButtonPicture::Save: return diskIcon(false);
    case ButtonPicture::SaveAs: return diskIcon(true);
    case ButtonPicture::Help: return helpIcon();
    case ButtonPicture::Font: break;
  }
  return fontIcon();
}

QSize buttonIconSize(ButtonPicture picture) {
  return picture == ButtonPicture::Help ? QSize(16, 15) : QSize(12, 12);
}

QIcon groupingStateIcon(bool active) {
  return drawnIcon({16, 16}, [active](QPainter& p, const QRectF&) {
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    if (active) {
      p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)}));
    }
  });
}

QIcon fontFaceIcon(bool outline, bool fixedPitch) {
  return drawnIcon({20, 12}, [outline, fixedPitch](QPainter& p, const QRectF& r) {
    if (fixedPitch) {
      p.setPen(QPen(QColor(128, 128, 128), 1));
      p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (outline) {
      QFont f = p.font();
      f.setPixelSize(9);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0, 0, 160));
      p.drawText(r, Qt::AlignCenter, QStringLiteral("TT"));
    }
  });
}

}  // namespace hueset::gui
