#include "console/gui/indicator_art.h"

#include "console/window_ids.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace console {

namespace {

constexpr int kTile = 36;

const QColor kGrey(150, 150, 150);
const QColor kDarkGrey(100, 100, 100);
const QColor kGreen(40, 160, 60);
const QColor kRed(210, 40, 40);
const QColor kBlue(40, 100, 210);
const QColor kPurple(140, 60, 180);
const QColor kOrange(240, 140, 20);
const QColor kYellow(250, 210, 30);

QPixmap Paint(int width, int height, const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  return pixmap;
}

QPixmap Tile(const std::function<void(QPainter&)>& draw) { return Paint(kTile, kTile, draw); }

void Label(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixel_size) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixel_size);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

void Bell(QPainter& p, const QColor& colour, bool ringing) {
  QPainterPath bell;
  bell.moveTo(18, 6);
  bell.cubicTo(10, 6, 10, 14, 10, 20);
  bell.lineTo(6, 26);
  bell.lineTo(30, 26);
  bell.lineTo(26, 20);
  bell.cubicTo(26, 14, 26, 6, 18, 6);
  p.setPen(QPen(colour.darker(140), 1.2));
  p.setBrush(colour);
  p.drawPath(bell);
  p.drawEllipse(QPointF(18, 29), 3, 3);
  if (ringing) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(120), 1.6));
    p.drawArc(QRectF(1, 6, 8, 14), 100 * 16, 160 * 16);
    p.drawArc(QRectF(27, 6, 8, 14), -80 * 16, 160 * 16);
  }
}

void HandsetGlyph(QPainter& p, const QRectF& box, const QColor& colour, qreal angle) {
  p.save();
  p.translate(box.center());
  p.rotate(angle);
  const qreal w = box.width();
  QPainterPath handset;
  handset.addRoundedRect(QRectF(-w / 2, -w / 8, w, w / 4), w / 10, w / 10);
  handset.addRoundedRect(QRectF(-w / 2, -w / 8, w / 4, w / 2.6), w / 12, w / 12);
  handset.addRoundedRect(QRectF(w / 4, -w / 8, w / 4, w / 2.6), w / 12, w / 12);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(handset.simplified());
  p.restore();
}

void RoundTile(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(2, 2, 32, 32), 6, 6);
}

QPixmap HandsetTile(const QString& mark) {
  return Tile([mark](QPainter& p) {
    RoundTile(p, kGreen);
    HandsetGlyph(p, QRectF(7, mark.isEmpty() ? 10 : 5, 22, 16), Qt::white, 0);
    if (!mark.isEmpty()) Label(p, QRectF(2, 21, 32, 12), mark, Qt::white, 8);
  });
}

QPixmap HungUp(const QColor& colour) {
  return Tile([colour](QPainter& p) { HandsetGlyph(p, QRectF(5, 10, 26, 18), colour, 180); });
}

QPixmap SpeechBubbleTile(const QString& mark) {
  return Tile([mark](QPainter& p) {
    RoundTile(p, kGreen);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(7, 7, 22, 16));
    QPolygonF tail;
    tail << QPointF(12, 20) << QPointF(9, 29) << QPointF(18, 22);
    bubble.addPolygon(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(bubble.simplified());
    if (!mark.isEmpty()) Label(p, QRectF(6, 8, 24, 14), mark, kGreen.darker(130), 7);
  });
}

void Disc(QPainter& p, const QColor& colour) {
  QRadialGradient shade(QPointF(14, 12), 20);
  shade.setColorAt(0, colour.lighter(150));
  shade.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(150), 1));
  p.setBrush(shade);
  p.drawEllipse(QRectF(2, 2, 32, 32));
}

QPixmap PhoneDisc(const QColor& colour) {
  return Tile([colour](QPainter& p) {
    Disc(p, colour);
    HandsetGlyph(p, QRectF(8, 11, 20, 14), Qt::white, -20);
  });
}

QPixmap MusicDisc(const QColor& colour) {
  return Tile([colour](QPainter& p) {
    Disc(p, colour);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(15, 25), QPointF(15, 9));
    p.drawLine(QPointF(15, 9), QPointF(24, 12));
    p.drawLine(QPointF(24, 12), QPointF(24, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9, 22, 7, 5));
    p.drawEllipse(QRectF(18, 19, 7, 5));
  });
}

QPixmap Envelope(const QColor& colour, bool with_phone) {
  return Tile([colour, with_phone](QPainter& p) {
    p.setPen(QPen(colour.darker(150), 1.2));
    p.setBrush(colour);
    p.drawRect(QRectF(3, 9, 30, 20));
    p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(18, 21), QPointF(33, 9)}));
    if (with_phone) HandsetGlyph(p, QRectF(20, 22, 13, 9), kDarkGrey, 0);
  });
}

// A battery outline with `bars` of four filled in `colour`.
void BatteryBody(QPainter& p, int bars, const QColor& colour) {
  p.setPen(QPen(kDarkGrey, 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(3, 10, 27, 16), 2, 2);
  p.setBrush(kDarkGrey);
  p.drawRect(QRectF(30, 14, 3, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < bars; ++i) p.drawRect(QRectF(5.5 + i * 6.2, 12.5, 5, 11));
}

QPixmap Battery(int bars, const QColor& colour) {
  return Tile([bars, colour](QPainter& p) { BatteryBody(p, bars, colour); });
}

void Bolt(QPainter& p, const QColor& colour) {
  QPolygonF bolt;
  bolt << QPointF(19, 6) << QPointF(11, 19) << QPointF(17, 19) << QPointF(14, 30) << QPointF(24, 15)
       << QPointF(18, 15) << QPointF(22, 6);
  p.setPen(QPen(Qt::black, 0.8));
  p.setBrush(colour);
  p.drawPolygon(bolt);
}

QPixmap ChargerBattery(int bars, bool error) {
  return Tile([bars, error](QPainter& p) {
    BatteryBody(p, bars, kGreen);
    Bolt(p, kYellow);
    if (error) {
      p.setPen(Qt::NoPen);
      p.setBrush(kRed);
      p.drawEllipse(QRectF(22, 1, 13, 13));
      Label(p, QRectF(22, 1, 13, 13), "!", Qt::white, 11);
    }
  });
}

QPixmap Loudspeaker(const QString& number) {
  return Tile([number](QPainter& p) {
    QPolygonF cone;
    cone << QPointF(3, 13) << QPointF(9, 13) << QPointF(17, 5) << QPointF(17, 31) << QPointF(9, 23)
         << QPointF(3, 23);
    p.setPen(QPen(kDarkGrey, 1));
    p.setBrush(kGrey);
    p.drawPolygon(cone);
    if (number.isEmpty()) {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kGrey, 1.6));
      p.drawArc(QRectF(14, 10, 10, 16), -60 * 16, 120 * 16);
      p.drawArc(QRectF(14, 5, 18, 26), -60 * 16, 120 * 16);
    } else {
      Label(p, QRectF(17, 8, 19, 20), number, Qt::black, 12);
    }
  });
}

void SignalBars(QPainter& p, int bars, qreal left) {
  for (int i = 0; i < 4; ++i) {
    const qreal height = 6 + i * 6;
    const QRectF bar(left + i * 6, 31 - height, 4.5, height);
    p.setPen(QPen(kDarkGrey, 0.8));
    p.setBrush(i < bars ? kGreen : QColor(220, 220, 220));
    p.drawRect(bar);
  }
}

QPixmap SignalMeter(int bars, bool crossed) {
  return Tile([bars, crossed](QPainter& p) {
    SignalBars(p, bars, crossed ? 12 : 8);
    if (crossed) {
      p.setPen(QPen(kRed, 2.2));
      p.drawLine(QPointF(2, 6), QPointF(10, 14));
      p.drawLine(QPointF(10, 6), QPointF(2, 14));
    }
  });
}

QPixmap RoamingTile(bool roaming) {
  return Paint(10, 18, [roaming](QPainter& p) {
    if (roaming) Label(p, QRectF(0, 0, 10, 18), "R", kBlue, 13);
  });
}

QPixmap SerialPlug(const QColor& body, const QColor& pins) {
  return Tile([body, pins](QPainter& p) {
    p.setPen(QPen(body.darker(150), 1));
    p.setBrush(body);
    QPolygonF shell;
    shell << QPointF(4, 11) << QPointF(32, 11) << QPointF(28, 25) << QPointF(8, 25);
    p.drawPolygon(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(pins);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(9 + i * 4.5, 15.5), 1.4, 1.4);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(11.2 + i * 4.5, 20.5), 1.4, 1.4);
    p.setBrush(body.darker(130));
    p.drawRect(QRectF(15, 25, 6, 7));
  });
}

enum class Media { kPlay, kStop, kPause, kFastForward, kRewind, kNext, kPrevious, kPlus, kMinus };

void Triangle(QPainter& p, qreal left, qreal width, bool forward) {
  QPolygonF t;
  if (forward)
    t << QPointF(left, 11) << QPointF(left + width, 18) << QPointF(left, 25);
  else
    t << QPointF(left + width, 11) << QPointF(left, 18) << QPointF(left + width, 25);
  p.drawPolygon(t);
}

QPixmap MediaButton(Media kind) {
  return Tile([kind](QPainter& p) {
    Disc(p, kGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    switch (kind) {
      case Media::kPlay: Triangle(p, 13, 12, true); break;
      case Media::kStop: p.drawRect(QRectF(12, 12, 12, 12)); break;
      case Media::kPause:
        p.drawRect(QRectF(12, 11, 4, 14));
        p.drawRect(QRectF(20, 11, 4, 14));
        break;
      case Media::kFastForward:
        Triangle(p, 9, 9, true);
        Triangle(p, 18, 9, true);
        break;
      case Media::kRewind:
        Triangle(p, 9, 9, false);
        Triangle(p, 18, 9, false);
        break;
      case Media::kNext:
        Triangle(p, 11, 10, true);
        p.drawRect(QRectF(22, 11, 3, 14));
        break;
      case Media::kPrevious:
        p.drawRect(QRectF(11, 11, 3, 14));
        Triangle(p, 15, 10, false);
        break;
      case Media::kPlus:
        p.drawRect(QRectF(11, 16.5, 14, 3));
        p.drawRect(QRectF(16.5, 11, 3, 14));
        break;
      case Media::kMinus: p.drawRect(QRectF(11, 16.5, 14, 3)); break;
    }
  });
}

QPixmap SpeakerPair(const QColor& colour) {
  return Paint(51, 23, [colour](QPainter& p) {
    for (int i = 0; i < 2; ++i) {
      const qreal left = 4 + i * 29;
      p.setPen(QPen(colour.darker(150), 1));
      p.setBrush(colour);
      p.drawRoundedRect(QRectF(left, 2, 14, 19), 2, 2);
      p.setBrush(colour.lighter(160));
      p.drawEllipse(QRectF(left + 3, 10, 8, 8));
      p.drawEllipse(QRectF(left + 5, 4, 4, 4));
    }
    p.setPen(QPen(colour.darker(120), 1.5, Qt::DashLine));
    p.drawLine(QPointF(19, 11.5), QPointF(32, 11.5));
  });
}

QPixmap Broadcast(const QColor& colour) {
  return Tile([colour](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(18, 18), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int r = 8; r <= 15; r += 7) {
      const QRectF box(18 - r, 18 - r, 2 * r, 2 * r);
      p.drawArc(box, -45 * 16, 90 * 16);
      p.drawArc(box, 135 * 16, 90 * 16);
    }
  });
}

}  // namespace

std::vector<QPixmap> DrawIndicatorImages() {
  std::vector<QPixmap> images;
  images.reserve(img::kCount);
  images.push_back(Tile([](QPainter& p) { Bell(p, kYellow, true); }));   // 0
  images.push_back(Tile([](QPainter& p) { Bell(p, kGrey, false); }));    // 1
  images.push_back(HandsetTile("VOICE"));                                // 2
  images.push_back(HandsetTile(QString()));                              // 3
  images.push_back(HungUp(kRed));                                        // 4
  images.push_back(HungUp(kGrey));                                       // 5
  images.push_back(SpeechBubbleTile(QString()));                         // 6
  images.push_back(SpeechBubbleTile("HELD"));                            // 7
  images.push_back(PhoneDisc(kBlue));                                    // 8
  images.push_back(PhoneDisc(kGrey));                                    // 9
  images.push_back(MusicDisc(kPurple));                                  // 10
  images.push_back(MusicDisc(kGrey));                                    // 11
  images.push_back(Envelope(kOrange, true));                             // 12
  images.push_back(Envelope(kGrey, false));                              // 13
  images.push_back(Battery(0, kGreen));                                  // 14
  images.push_back(Battery(4, kGreen));                                  // 15
  images.push_back(Battery(2, kGreen));                                  // 16
  images.push_back(Battery(3, kGreen));                                  // 17
  images.push_back(Battery(1, kGreen));                                  // 18
  images.push_back(Battery(1, kRed));                                    // 19
  images.push_back(ChargerBattery(4, false));                            // 20
  images.push_back(ChargerBattery(2, false));                            // 21
  images.push_back(ChargerBattery(0, true));                             // 22
  images.push_back(Loudspeaker(QString()));                              // 23
  for (int level = 0; level <= 15; ++level) images.push_back(Loudspeaker(QString::number(level)));
  images.push_back(SignalMeter(0, true));                                // 40
  for (int bars = 0; bars <= 4; ++bars) images.push_back(SignalMeter(bars, false));  // 41-45
  images.push_back(RoamingTile(false));                                  // 46
  images.push_back(RoamingTile(true));                                   // 47
  images.push_back(SerialPlug(kBlue, kYellow));                          // 48
  images.push_back(SerialPlug(kGrey, QColor(230, 230, 230)));            // 49
  for (Media m : {Media::kPlay, Media::kStop, Media::kPause, Media::kFastForward, Media::kRewind,
                  Media::kNext, Media::kPrevious, Media::kPlus, Media::kMinus})
    images.push_back(MediaButton(m));                                    // 50-58
  images.push_back(SpeakerPair(kGrey));                                  // 59
  images.push_back(SpeakerPair(kOrange));                                // 60
  images.push_back(SpeakerPair(kGrey));                                  // 61
  images.push_back(SpeakerPair(kBlue));                                  // 62
  return images;
}

QPixmap DrawLeIcon(int icon_id) {
  switch (icon_id) {
    case icon::kLeLinkBlue: return Broadcast(kBlue);
    case icon::kLeLinkGrey: return Broadcast(kGrey);
    case icon::kLeDataGrey: return SerialPlug(kGrey, QColor(230, 230, 230));
    case icon::kLeDataColour: return SerialPlug(kOrange, kBlue);
    default: return QPixmap();
  }
}

}  // namespace console
