#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace platform::pictures {

QPixmap Status(int status, int size)
{
    static const QColor kColours[] = {QColor(200, 40, 40),  QColor(40, 160, 60),
                                      QColor(240, 170, 0),  QColor(30, 110, 220),
                                      QColor(150, 60, 190), QColor(120, 120, 120)};
    if (status < 0 || status > 5)
        return QPixmap();
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kColours[status].darker(140), 1));
    p.setBrush(kColours[status]);
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap));
    const double c = size / 2.0, r = size / 4.0;
    switch (status) {
    case 0:
        p.drawLine(QPointF(c - r, c - r), QPointF(c + r, c + r));
        p.drawLine(QPointF(c + r, c - r), QPointF(c - r, c + r));
        break;
    case 1:
        p.drawLine(QPointF(c - r, c), QPointF(c - r / 3, c + r * 0.8));
        p.drawLine(QPointF(c - r / 3, c + r * 0.8), QPointF(c + r, c - r * 0.8));
        break;
    case 2:
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("☎"));
        break;
    case 3:
        p.drawLine(QPointF(c - r, c), QPointF(c + r, c));
        p.drawLine(QPointF(c + r / 3, c - r / 1.5), QPointF(c + r, c));
        p.drawLine(QPointF(c + r / 3, c + r / 1.5), QPointF(c + r, c));
        break;
    case 4:
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("★"));
        break;
    case 5:
        p.drawEllipse(QPointF(c, c), r, r);
        p.drawLine(QPointF(c, c), QPointF(c, c - r * 0.7));
        break;
    }
    return pm;
}

QPixmap YesNo(bool yes, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(yes ? QColor(40, 160, 60) : QColor(190, 50, 50), size / 7.0, Qt::SolidLine,
                  Qt::RoundCap));
    const double a = size * 0.25, b = size * 0.75;
    if (yes) {
        p.drawLine(QPointF(a, size * 0.5), QPointF(size * 0.45, b));
        p.drawLine(QPointF(size * 0.45, b), QPointF(b, a));
    } else {
        p.drawLine(QPointF(a, a), QPointF(b, b));
        p.drawLine(QPointF(b, a), QPointF(a, b));
    }
    return pm;
}

QPixmap HasPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.setBrush(QColor(120, 170, 220));
    p.drawRoundedRect(QRectF(1, size * 0.25, size - 2, size * 0.65), 2, 2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(size / 2.0, size * 0.57), size * 0.18, size * 0.18);
    return pm;
}

QIcon Tab(int index)
{
    static const QColor kColours[] = {
        QColor(0, 170, 207),  QColor(40, 160, 60),   QColor(230, 140, 20),
        QColor(150, 60, 190), QColor(30, 110, 220),  QColor(200, 40, 40),
        QColor(240, 170, 0),  QColor(100, 100, 120), QColor(20, 140, 120)};
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kColours[index % 9]);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 5, 5);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(6, 9, 18, 9);
    p.drawLine(6, 13, 18, 13);
    p.drawLine(6, 17, 14, 17);
    return QIcon(pm);
}

QPixmap Logo(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0, 90, 160));
    g.setColorAt(1, QColor(0, 170, 207));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4, 8, size.width() - 8, size.height() - 16), 12, 12);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Tahoma"), 22, QFont::Bold);
    p.setFont(f);
    p.drawText(QRect(0, 0, size.width(), size.height() - 18), Qt::AlignCenter,
               QStringLiteral("DORVENA"));
    f.setPointSize(9);
    p.setFont(f);
    p.drawText(QRect(0, size.height() - 44, size.width(), 24), Qt::AlignCenter,
               QStringLiteral("OTOMOTİV YEDEK PARÇA"));
    return pm;
}

QIcon Search()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(12, 52, 97), 2.5));
    p.drawEllipse(QRectF(4, 4, 11, 11));
    p.drawLine(QPointF(13.5, 13.5), QPointF(20, 20));
    return QIcon(pm);
}

QIcon Clear()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 50, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
    return QIcon(pm);
}

} // namespace platform::pictures
