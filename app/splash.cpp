#include "app/splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace pantrix {
namespace {

constexpr QSize kSplashSize(420, 260);

// A market basket with a loaf, a bottle and apples, in the program's colours.
void PaintBasket(QPainter& p, const QRectF& area)
{
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 200.0, area.height() / 160.0);
    p.setPen(QPen(QColor(90, 60, 30), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 10, 120, 120), 0, 180 * 16); // handle
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 184, 135)); // loaf
    p.drawRoundedRect(QRectF(52, 40, 60, 40), 18, 18);
    p.setBrush(QColor(60, 140, 90)); // bottle
    p.drawRoundedRect(QRectF(118, 22, 22, 58), 6, 6);
    p.drawRect(QRectF(123, 8, 12, 16));
    p.setBrush(QColor(200, 40, 40)); // apples
    p.drawEllipse(QRectF(70, 62, 26, 26));
    p.drawEllipse(QRectF(94, 64, 26, 26));
    QPainterPath basket;
    basket.moveTo(20, 70);
    basket.lineTo(180, 70);
    basket.lineTo(160, 150);
    basket.lineTo(40, 150);
    basket.closeSubpath();
    p.setBrush(QColor(176, 120, 60));
    p.drawPath(basket);
    p.setPen(QPen(QColor(130, 85, 40), 2));
    for (int x = 45; x < 170; x += 16)
        p.drawLine(QPointF(x, 74), QPointF(x - 4 + (x - 100) * 0.1, 146));
    p.drawLine(QPointF(26, 96), QPointF(174, 96));
    p.drawLine(QPointF(32, 122), QPointF(168, 122));
    p.restore();
}

} // namespace

PX_QF_Splash::PX_QF_Splash(const QString& hostName)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_hostName(hostName)
{
    setObjectName(QStringLiteral("PX_QF_Splash"));
    setAccessibleName(QStringLiteral("Pantrix! is starting"));
    setFixedSize(kSplashSize);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setText(QStringLiteral("<b style='font-size:20pt'>Pantrix! 3.1</b><br>"
                                  "Shopping lists and recipes<br><br>%1")
                       .arg(m_hostName.toHtmlEscaped()));
    label->setGeometry(200, 40, 210, 180);
    label->setWordWrap(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void PX_QF_Splash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 246, 232));
    p.setPen(QPen(QColor(176, 120, 60), 4));
    p.drawRect(rect().adjusted(2, 2, -2, -2));
    PaintBasket(p, QRectF(16, 40, 180, 150));
}

// A frameless window is moved by dragging it anywhere.
void PX_QF_Splash::mousePressEvent(QMouseEvent* event)
{
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void PX_QF_Splash::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void PX_QF_Splash::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit Unloaded();
}

} // namespace pantrix
