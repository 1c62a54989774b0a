#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tallyrock {

namespace {

constexpr int Size = 64; // drawn large, scaled down by the button

const QColor Grass(23, 145, 23);
const QColor DarkGreen(10, 90, 10);
const QColor FlagRed(210, 40, 40);
const QColor Ink(40, 40, 60);

void flag(QPainter& p, QPointF foot, double height) {
    p.setPen(QPen(Ink, 3));
    p.drawLine(foot, foot - QPointF(0, height));
    p.setPen(Qt::NoPen);
    p.setBrush(FlagRed);
    QPolygonF cloth;
    cloth << foot - QPointF(0, height) << foot - QPointF(-height * 0.45, height * 0.85)
          << foot - QPointF(0, height * 0.7);
    p.drawPolygon(cloth);
}

void plus(QPainter& p, QPointF centre) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(centre, 12, 12);
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(6, 0), centre + QPointF(6, 0));
    p.drawLine(centre - QPointF(0, 6), centre + QPointF(0, 6));
}

void loadLeague(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 2));
    p.setBrush(QColor(240, 200, 90));
    QPainterPath folder;
    folder.moveTo(4, 20);
    folder.lineTo(24, 20);
    folder.lineTo(29, 26);
    folder.lineTo(60, 26);
    folder.lineTo(60, 58);
    folder.lineTo(4, 58);
    folder.closeSubpath();
    p.drawPath(folder);
    flag(p, QPointF(40, 48), 40);
    p.setPen(Qt::NoPen);
    p.setBrush(Grass);
    p.drawEllipse(QPointF(40, 50), 14, 4);
}

void enterRounds(QPainter& p) {
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::white);
    p.drawRect(6, 6, 40, 52);
    p.setPen(QPen(QColor(120, 120, 160), 1));
    for (int y = 16; y <= 50; y += 8)
        p.drawLine(10, y, 42, y);
    for (int x = 18; x <= 34; x += 8)
        p.drawLine(x, 12, x, 54);
    p.setPen(QPen(QColor(200, 140, 30), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 14), QPointF(32, 48));
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 48), QPointF(29, 54));
}

void addPlayer(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 140));
    p.drawEllipse(QPointF(26, 16), 9, 9);
    p.setBrush(QColor(40, 90, 170));
    p.drawRoundedRect(QRectF(14, 27, 24, 22), 6, 6);
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(20, 49, 18, 60);
    p.drawLine(32, 49, 34, 60);
    p.setPen(QPen(QColor(120, 120, 120), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(38, 30, 50, 6);
    plus(p, QPointF(48, 48));
}

void addCourse(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Grass);
    p.drawEllipse(QPointF(28, 50), 24, 9);
    p.setBrush(DarkGreen);
    p.drawEllipse(QPointF(30, 50), 4, 2);
    flag(p, QPointF(30, 50), 42);
    plus(p, QPointF(50, 46));
}

void help(QPainter& p) {
    p.setPen(QPen(DarkGreen, 3));
    p.setBrush(QColor(220, 245, 220));
    p.drawEllipse(QPointF(32, 32), 27, 27);
    QFont font("Liberation Serif");
    font.setPixelSize(42);
    font.setBold(true);
    p.setFont(font);
    p.setPen(DarkGreen);
    p.drawText(QRectF(0, 0, Size, Size), Qt::AlignCenter, "?");
}

void method(QPainter& p) {
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(32, 10, 32, 54);
    p.drawLine(20, 56, 44, 56);
    p.drawLine(8, 18, 56, 14);
    p.drawLine(8, 18, 4, 34);
    p.drawLine(8, 18, 14, 34);
    p.drawLine(56, 14, 50, 30);
    p.drawLine(56, 14, 62, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 40));
    p.drawChord(QRectF(0, 24, 18, 18), 180 * 16, 180 * 16);
    p.drawChord(QRectF(46, 20, 18, 18), 180 * 16, 180 * 16);
    p.setBrush(Qt::white);
    p.setPen(QPen(Ink, 1));
    p.drawEllipse(QPointF(55, 25), 4, 4);
}

} // namespace

QIcon toolIcon(int button) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case 0:
        loadLeague(p);
        break;
    case 1:
        enterRounds(p);
        break;
    case 2:
        addPlayer(p);
        break;
    case 3:
        addCourse(p);
        break;
    case 4:
        help(p);
        break;
    default:
        method(p);
        break;
    }
    return QIcon(pixmap);
}

} // namespace tallyrock
