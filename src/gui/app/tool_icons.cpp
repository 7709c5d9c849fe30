#include "gui/app/tool_icons.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace notavi::gui {
namespace {

// Every icon is drawn on a 24 x 24 grid.
constexpr double kGrid = 24.0;

const QColor kInk(60, 60, 70);
const QColor kPaper(250, 250, 245);
const QColor kCalendarRed(200, 50, 45);
const QColor kGreen(40, 150, 60);
const QColor kBlue(40, 100, 190);
const QColor kRed(205, 40, 40);

QPen pen(const QColor& colour, double width = 1.4)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void calendarPage(QPainter& p, const QRectF& r = QRectF(3, 4, 16, 16))
{
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(kCalendarRed);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 4.5));
    p.setPen(pen(kInk, 1.6));
    p.drawLine(QPointF(r.left() + 4, r.top() - 1.5), QPointF(r.left() + 4, r.top() + 1.5));
    p.drawLine(QPointF(r.right() - 4, r.top() - 1.5), QPointF(r.right() - 4, r.top() + 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 160));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(r.left() + 2 + col * 3.4, r.top() + 6.5 + row * 3, 2, 1.8));
}

void badgeCircle(QPainter& p, const QColor& colour, const QPointF& centre = QPointF(17.5, 17.5),
                 double radius = 5.5)
{
    p.setPen(pen(Qt::white, 1.2));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void drawPlus(QPainter& p)
{
    badgeCircle(p, kGreen);
    p.setPen(pen(Qt::white, 2));
    p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
    p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
}

void drawCross(QPainter& p)
{
    badgeCircle(p, kRed);
    p.setPen(pen(Qt::white, 2));
    p.drawLine(QPointF(15.3, 15.3), QPointF(19.7, 19.7));
    p.drawLine(QPointF(19.7, 15.3), QPointF(15.3, 19.7));
}

void drawPencil(QPainter& p, const QPointF& tip = QPointF(12, 21))
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(pen(kInk, 1));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(3, -2, 11, 4));
    p.setBrush(QColor(230, 120, 120));
    p.drawRect(QRectF(14, -2, 2.5, 4));
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(3, -2);
    point.lineTo(3, 2);
    point.closeSubpath();
    p.setBrush(QColor(235, 215, 180));
    p.drawPath(point);
    p.restore();
}

void drawArrow(QPainter& p, bool right)
{
    QPainterPath arrow;
    arrow.moveTo(3, 9.5);
    arrow.lineTo(12, 9.5);
    arrow.lineTo(12, 4.5);
    arrow.lineTo(21, 12);
    arrow.lineTo(12, 19.5);
    arrow.lineTo(12, 14.5);
    arrow.lineTo(3, 14.5);
    arrow.closeSubpath();
    p.save();
    if (!right) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
    }
    p.setPen(pen(kBlue.darker(130), 1.2));
    p.setBrush(kBlue);
    p.drawPath(arrow);
    p.restore();
}

void drawPrinter(QPainter& p)
{
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(140, 145, 160));
    p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 14, 10, 7));
    p.setPen(pen(kInk, 1));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.drawLine(QPointF(9, 19), QPointF(14, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(18, 11.5), 1, 1);
}

void drawDocument(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(15, 2.5);
    page.lineTo(19.5, 7);
    page.lineTo(19.5, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.setPen(pen(kBlue, 1.3));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(8, 8.5 + i * 2.6), QPointF(i % 2 ? 14 : 16.5, 8.5 + i * 2.6));
}

void drawMagnifier(QPainter& p)
{
    p.setPen(pen(kInk, 2));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QPointF(10, 10), 6, 6);
    p.setPen(pen(QColor(120, 80, 40), 3.2));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
}

void drawToday(QPainter& p)
{
    calendarPage(p, QRectF(3, 4, 18, 17));
    p.setPen(pen(kRed, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 14.5), 4.5, 3.8);
}

void drawEnterDate(QPainter& p)
{
    calendarPage(p);
    drawPencil(p, QPointF(13, 21.5));
}

void drawChecklist(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const double y = 3.5 + i * 6.5;
        p.setPen(pen(kInk, 1.1));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, y, 5, 5));
        p.setPen(pen(kInk, 1.6));
        p.drawLine(QPointF(11, y + 2.5), QPointF(21, y + 2.5));
        if (i != 1) {
            p.setPen(pen(kGreen, 1.8));
            p.drawLine(QPointF(3.8, y + 2.6), QPointF(5.3, y + 4.2));
            p.drawLine(QPointF(5.3, y + 4.2), QPointF(8.6, y - 0.2));
        }
    }
}

void drawFontLetter(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 18, 22), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(pen(kBlue, 1.2));
    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPixelSize(11);
    small.setItalic(true);
    p.setFont(small);
    p.drawText(QRectF(12, 9, 12, 14), Qt::AlignCenter, QStringLiteral("a"));
}

void drawBucket(QPainter& p)
{
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(255, 255, 176));
    p.drawRoundedRect(QRectF(3, 3, 13, 13), 2, 2);
    QPainterPath drop;
    drop.moveTo(18, 11);
    drop.cubicTo(21.5, 15.5, 21.5, 20.5, 18, 20.5);
    drop.cubicTo(14.5, 20.5, 14.5, 15.5, 18, 11);
    p.setBrush(kBlue);
    p.drawPath(drop);
}

void drawPalette(QPainter& p)
{
    const QColor colours[] = {QColor(200, 40, 40), QColor(40, 150, 60), QColor(40, 90, 200),
                              QColor(240, 190, 40)};
    for (int i = 0; i < 4; ++i) {
        const int row = i / 2;
        const int column = i % 2;
        p.setPen(pen(kInk, 1));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(3 + column * 9.5, 3 + row * 9.5, 8, 8));
    }
}

void drawAlarmClock(QPainter& p)
{
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(230, 80, 60));
    p.drawEllipse(QPointF(6, 5.5), 3, 3);
    p.drawEllipse(QPointF(18, 5.5), 3, 3);
    p.setBrush(kPaper);
    p.setPen(pen(kInk, 1.6));
    p.drawEllipse(QPointF(12, 13), 8, 8);
    p.setPen(pen(kInk, 1.6));
    p.drawLine(QPointF(12, 13), QPointF(12, 8));
    p.drawLine(QPointF(12, 13), QPointF(15.5, 15));
    p.drawLine(QPointF(6.5, 20), QPointF(5, 22));
    p.drawLine(QPointF(17.5, 20), QPointF(19, 22));
}

void drawGlobe(QPainter& p)
{
    p.setPen(pen(kBlue.darker(140), 1.2));
    p.setBrush(QColor(120, 180, 235));
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 4, 9);
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.drawLine(QPointF(4.5, 7.5), QPointF(19.5, 7.5));
    p.drawLine(QPointF(4.5, 16.5), QPointF(19.5, 16.5));
}

void drawHourglass(QPainter& p)
{
    calendarPage(p, QRectF(2, 3, 14, 14));
    QPainterPath glass;
    glass.moveTo(14, 10);
    glass.lineTo(22, 10);
    glass.lineTo(18, 16);
    glass.lineTo(22, 22);
    glass.lineTo(14, 22);
    glass.lineTo(18, 16);
    glass.closeSubpath();
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(240, 200, 90));
    p.drawPath(glass);
}

void drawHelp(QPainter& p)
{
    p.setPen(pen(kBlue.darker(140), 1.2));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
}

void drawBackup(QPainter& p)
{
    drawDocument(p);
    p.setPen(pen(kGreen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 11, 10, 10), 90 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(16, 8.5);
    head.lineTo(19.5, 11);
    head.lineTo(16, 13.5);
    head.closeSubpath();
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawPath(head);
}

void drawLogo(QPainter& p)
{
    calendarPage(p, QRectF(2, 3, 20, 19));
    p.setPen(pen(kGreen, 2.2));
    p.drawLine(QPointF(8, 15), QPointF(11, 18));
    p.drawLine(QPointF(11, 18), QPointF(17, 11));
}

void draw(QPainter& p, ToolIcon icon)
{
    switch (icon) {
    case ToolIcon::NewAppointment:
        calendarPage(p);
        drawPlus(p);
        return;
    case ToolIcon::ChangeAppointment:
        calendarPage(p);
        drawPencil(p, QPointF(11.5, 21.5));
        return;
    case ToolIcon::DeleteAppointment:
        calendarPage(p);
        drawCross(p);
        return;
    case ToolIcon::LoadBackup:
        return drawBackup(p);
    case ToolIcon::Print:
        return drawPrinter(p);
    case ToolIcon::Editor:
        drawDocument(p);
        drawPencil(p, QPointF(11, 22));
        return;
    case ToolIcon::Find:
        return drawMagnifier(p);
    case ToolIcon::Today:
        return drawToday(p);
    case ToolIcon::Back:
        return drawArrow(p, false);
    case ToolIcon::Forward:
        return drawArrow(p, true);
    case ToolIcon::EnterDate:
        return drawEnterDate(p);
    case ToolIcon::BlockChoice:
        return drawChecklist(p);
    case ToolIcon::Font:
        return drawFontLetter(p);
    case ToolIcon::Background:
        return drawBucket(p);
    case ToolIcon::BlockColours:
        return drawPalette(p);
    case ToolIcon::AlarmClock:
        return drawAlarmClock(p);
    case ToolIcon::OpenUrl:
        return drawGlobe(p);
    case ToolIcon::DeleteExpired:
        return drawHourglass(p);
    case ToolIcon::Help:
        return drawHelp(p);
    case ToolIcon::Logo:
        return drawLogo(p);
    }
}

QPixmap rendered(ToolIcon icon, int size, bool disabled)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / kGrid, size / kGrid);
    if (disabled)
        painter.setOpacity(0.35);
    draw(painter, icon);
    return pixmap;
}

} // namespace

QIcon toolIcon(ToolIcon icon)
{
    QIcon result;
    for (int size : {16, 24, 32, 48, 64}) {
        result.addPixmap(rendered(icon, size, false), QIcon::Normal);
        result.addPixmap(rendered(icon, size, true), QIcon::Disabled);
    }
    return result;
}

} // namespace notavi::gui
