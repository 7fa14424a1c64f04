#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace pantrix {
namespace {

constexpr int kSize = 24;
const QColor kInk(60, 60, 60);
const QColor kGreen(47, 94, 42);
const QColor kPaper(252, 250, 242);
const QColor kAccent(200, 65, 45);

using Drawing = std::function<void(QPainter&)>;

void Plus(QPainter& p, QPointF centre)
{
    p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
    p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
}

void Folder(QPainter& p, bool open)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(230, 190, 90));
    QPainterPath back;
    back.moveTo(2, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(21, 8);
    back.lineTo(21, 20);
    back.lineTo(2, 20);
    back.closeSubpath();
    p.drawPath(back);
    if (open) {
        p.setBrush(QColor(245, 210, 120));
        p.drawPolygon(
            QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
    }
}

void Page(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void Lines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step)
{
    p.setPen(QPen(kInk, 1.2));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

const std::map<QString, Drawing>& Drawings()
{
    static const std::map<QString, Drawing> drawings = {
        {"NewCat",
         [](QPainter& p) {
             Folder(p, false);
             Plus(p, {16, 14});
         }},
        {"NewItem",
         [](QPainter& p) {
             Page(p, {4, 2, 13, 19});
             Lines(p, 6.5, 14.5, 6.5, 3, 3);
             Plus(p, {17, 17});
         }},
        {"Special",
         [](QPainter& p) {
             QPainterPath star;
             for (int i = 0; i < 10; ++i) {
                 const qreal radius = i % 2 ? 4.5 : 10;
                 const qreal angle = -M_PI / 2 + i * M_PI / 5;
                 const QPointF point(12 + radius * std::cos(angle),
                                     12.5 + radius * std::sin(angle));
                 i ? star.lineTo(point) : star.moveTo(point);
             }
             star.closeSubpath();
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(QColor(240, 190, 50));
             p.drawPath(star);
         }},
        {"Open", [](QPainter& p) { Folder(p, true); }},
        {"Clear",
         [](QPainter& p) {
             Page(p, {4, 2, 14, 19});
             Lines(p, 6.5, 15.5, 6.5, 4, 3);
             p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 9), QPointF(22, 22));
             p.drawLine(QPointF(22, 9), QPointF(8, 22));
         }},
        {"Print",
         [](QPainter& p) {
             Page(p, {7, 2, 10, 8});
             p.setBrush(QColor(170, 170, 170));
             p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
             Page(p, {7, 14, 10, 8});
             Lines(p, 9, 15, 17, 2, 2.5);
         }},
        {"ClipBoard",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(QColor(180, 130, 80));
             p.drawRoundedRect(QRectF(3, 3, 18, 20), 2, 2);
             Page(p, {6, 6, 12, 15});
             p.setBrush(QColor(150, 150, 150));
             p.drawRect(QRectF(8, 1.5, 8, 4));
             Lines(p, 8, 16, 10, 3, 3);
         }},
        {"Help",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(QColor(70, 120, 200));
             p.drawEllipse(QRectF(2, 2, 20, 20));
             QFont font = p.font();
             font.setPixelSize(15);
             font.setBold(true);
             p.setFont(font);
             p.setPen(Qt::white);
             p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
         }},
        {"Web",
         [](QPainter& p) {
             p.setPen(QPen(kGreen, 1.4));
             p.setBrush(QColor(200, 230, 245));
             p.drawEllipse(QRectF(2, 2, 20, 20));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(7, 2, 10, 20));
             p.drawLine(QPointF(2, 12), QPointF(22, 12));
             p.drawLine(QPointF(4, 7), QPointF(20, 7));
             p.drawLine(QPointF(4, 17), QPointF(20, 17));
         }},
        {"Recipes",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(kGreen);
             p.drawRoundedRect(QRectF(3, 2, 17, 20), 1.5, 1.5);
             p.setBrush(kPaper);
             p.drawRect(QRectF(6, 5, 11, 14));
             Lines(p, 8, 15, 9, 3, 3);
         }},
        {"Items",
         [](QPainter& p) {
             Page(p, {2, 2, 20, 20});
             p.setBrush(kGreen);
             p.setPen(Qt::NoPen);
             for (int row = 0; row < 4; ++row)
                 p.drawEllipse(QRectF(5, 5.2 + row * 4, 2.6, 2.6));
             Lines(p, 10, 19, 6.5, 4, 4);
         }},
    };
    return drawings;
}

} // namespace

QIcon ToolbarIcon(const QString& key)
{
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        QPixmap pixmap(QSize(kSize, kSize) * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (const auto found = Drawings().find(key); found != Drawings().end())
            found->second(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace pantrix
