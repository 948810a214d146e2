#include "app/gui/ToolIcons.h"

#include "app/gui/PaintedIconEngine.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Lecterna {

namespace {

// One palette for every picture so the tool bar reads as a set.
const QColor kInk(0x33, 0x3a, 0x44);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kLightBlue(0xcf, 0xe2, 0xf6);
const QColor kPaper(0xfc, 0xfc, 0xf8);
const QColor kFolder(0xe8, 0xb4, 0x40);
const QColor kFolderEdge(0x9a, 0x6b, 0x12);
const QColor kRed(0xc8, 0x37, 0x2d);
const QColor kGreen(0x2e, 0x8b, 0x57);

QPen pen(const QColor& color, qreal width = 1.5) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.2, 1.2);
}

void textLines(QPainter& p, qreal left, qreal top, qreal width, int count, qreal step) {
    p.setPen(pen(kInk.lighter(140), 1.4));
    for (int i = 0; i < count; ++i) {
        const qreal w = i == count - 1 ? width * 0.6 : width;
        p.drawLine(QPointF(left, top + i * step), QPointF(left + w, top + i * step));
    }
}

void glyph(QPainter& p, const QRectF& box, const QString& text, const QColor& color, qreal pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

void plusMinus(QPainter& p, QPointF centre, bool plus, const QColor& color) {
    p.setPen(pen(color, 2.4));
    p.drawLine(centre + QPointF(-3.2, 0), centre + QPointF(3.2, 0));
    if (plus)
        p.drawLine(centre + QPointF(0, -3.2), centre + QPointF(0, 3.2));
}

void triangle(QPainter& p, qreal left, qreal width, const QColor& color) {
    QPolygonF shape;
    shape << QPointF(left, 5) << QPointF(left + width, 12) << QPointF(left, 19);
    p.setPen(pen(color.darker(130), 1.0));
    p.setBrush(color);
    p.drawPolygon(shape);
}

void clockFace(QPainter& p, QPointF centre, qreal radius, const QColor& ring) {
    p.setPen(pen(ring, 2.0));
    p.setBrush(kPaper);
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(kInk, 1.6));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.62));
    p.drawLine(centre, centre + QPointF(radius * 0.5, radius * 0.25));
}

void draw(ToolIcons::Id id, QPainter& p) {
    switch (id) {
    case ToolIcons::Open: {
        QPainterPath back;
        back.moveTo(2.5, 19.5);
        back.lineTo(2.5, 5.5);
        back.lineTo(9, 5.5);
        back.lineTo(11, 7.5);
        back.lineTo(19.5, 7.5);
        back.lineTo(19.5, 19.5);
        back.closeSubpath();
        p.setPen(pen(kFolderEdge, 1.2));
        p.setBrush(kFolder.darker(115));
        p.drawPath(back);
        QPolygonF front;
        front << QPointF(2.5, 19.5) << QPointF(5.5, 10.5) << QPointF(22, 10.5) << QPointF(19.5, 19.5);
        p.setBrush(kFolder);
        p.drawPolygon(front);
        break;
    }
    case ToolIcons::History: clockFace(p, QPointF(12, 12), 8.5, kBlue); break;
    case ToolIcons::Bookmarks: {
        page(p, QRectF(4, 2.5, 16, 19));
        textLines(p, 7, 14, 10, 2, 3.5);
        QPolygonF ribbon;
        ribbon << QPointF(12, 2.5) << QPointF(17, 2.5) << QPointF(17, 12) << QPointF(14.5, 9.8) << QPointF(12, 12);
        p.setPen(pen(kRed.darker(130), 1.0));
        p.setBrush(kRed);
        p.drawPolygon(ribbon);
        break;
    }
    case ToolIcons::Text:
        page(p, QRectF(4, 2.5, 16, 19));
        textLines(p, 7, 7, 10, 4, 3.5);
        break;
    case ToolIcons::Encoding:
        p.setPen(pen(kBlue, 1.2));
        p.setBrush(kLightBlue);
        p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
        glyph(p, QRectF(2.5, 4.5, 19, 15), QStringLiteral("Aя"), kInk, 11);
        break;
    case ToolIcons::Search:
        p.setPen(pen(kInk, 3.2));
        p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
        p.setPen(pen(kBlue, 2.0));
        p.setBrush(kLightBlue);
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        break;
    case ToolIcons::Autoscroll: {
        page(p, QRectF(3, 2.5, 13, 19));
        textLines(p, 5.5, 7, 8, 4, 3.5);
        p.setPen(pen(kGreen, 2.2));
        p.drawLine(QPointF(19.5, 5), QPointF(19.5, 19));
        QPolygonF head;
        head << QPointF(16, 15.5) << QPointF(23, 15.5) << QPointF(19.5, 21);
        p.setPen(pen(kGreen, 1.0));
        p.setBrush(kGreen);
        p.drawPolygon(head);
        break;
    }
    case ToolIcons::FullScreen:
        p.setPen(pen(kBlue, 1.0));
        p.setBrush(kLightBlue);
        p.drawRect(QRectF(7, 7, 10, 10));
        p.setPen(pen(kInk, 2.0));
        for (const QPointF corner : {QPointF(3, 3), QPointF(21, 3), QPointF(3, 21), QPointF(21, 21)}) {
            const qreal dx = corner.x() < 12 ? 5 : -5;
            const qreal dy = corner.y() < 12 ? 5 : -5;
            p.drawLine(corner, corner + QPointF(dx, 0));
            p.drawLine(corner, corner + QPointF(0, dy));
        }
        break;
    case ToolIcons::Settings: {
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const qreal angle = (i - 0.5) * M_PI / (teeth * 2);
            const qreal radius = (i % 4 == 0 || i % 4 == 1) ? 10.0 : 7.8;
            const QPointF point(12 + radius * std::cos(angle), 12 + radius * std::sin(angle));
            if (i == 0)
                gear.moveTo(point);
            else
                gear.lineTo(point);
        }
        gear.closeSubpath();
        gear.addEllipse(QPointF(12, 12), 3.2, 3.2);
        gear.setFillRule(Qt::OddEvenFill);
        p.setPen(pen(kInk, 1.0));
        p.setBrush(QColor(0x8a, 0x96, 0xa3));
        p.drawPath(gear);
        break;
    }
    case ToolIcons::Alarm:
        p.setPen(pen(kInk, 1.8));
        p.drawLine(QPointF(7, 19), QPointF(5, 22));
        p.drawLine(QPointF(17, 19), QPointF(19, 22));
        p.setPen(pen(kRed.darker(120), 1.0));
        p.setBrush(kRed);
        p.drawEllipse(QPointF(5, 5), 3, 3);
        p.drawEllipse(QPointF(19, 5), 3, 3);
        clockFace(p, QPointF(12, 13), 8, kRed);
        break;
    case ToolIcons::Help:
        p.setPen(pen(kBlue.darker(120), 1.0));
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        glyph(p, QRectF(2, 2, 20, 20), QStringLiteral("?"), Qt::white, 15);
        break;
    case ToolIcons::Buffer:
        page(p, QRectF(4, 4, 16, 18));
        p.setPen(pen(kInk, 1.0));
        p.setBrush(QColor(0x8a, 0x96, 0xa3));
        p.drawRoundedRect(QRectF(8, 2, 8, 4), 1, 1);
        textLines(p, 7, 10, 10, 3, 3.5);
        break;
    case ToolIcons::FontLarger:
    case ToolIcons::FontSmaller:
        glyph(p, QRectF(0, 2, 17, 22), QStringLiteral("A"), kInk, 18);
        plusMinus(p, QPointF(19, 7), id == ToolIcons::FontLarger, id == ToolIcons::FontLarger ? kGreen : kRed);
        break;
    case ToolIcons::SpeedUp:
        triangle(p, 3, 9, kGreen);
        triangle(p, 12, 9, kGreen);
        break;
    case ToolIcons::SlowDown: triangle(p, 7, 10, kBlue); break;
    case ToolIcons::Exit: {
        p.setPen(pen(kInk, 1.2));
        p.setBrush(QColor(0xb8, 0x86, 0x4b));
        p.drawRect(QRectF(4, 3, 10, 18));
        p.setPen(pen(kRed, 2.2));
        p.drawLine(QPointF(11, 12), QPointF(21, 12));
        p.drawLine(QPointF(17.5, 8.5), QPointF(21, 12));
        p.drawLine(QPointF(17.5, 15.5), QPointF(21, 12));
        break;
    }
    }
}

} // namespace

QIcon ToolIcons::icon(Id id) {
    return QIcon(new PaintedIconEngine([id](QPainter& painter) { draw(id, painter); }));
}

} // namespace Lecterna
