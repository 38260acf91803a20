#include "demopictures.h"

#include "gifwriter.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QStringList>
#include <cmath>
#include <numbers>
#include <vector>

namespace appserver::content {
namespace {

QByteArray Saved(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QFont Font(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void DrawWheel(QPainter &p, QPointF centre, double radius, double turn)
{
    p.save();
    p.setPen(QPen(QColor(30, 30, 40), radius * 0.08));
    p.setBrush(QColor(190, 195, 205));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(90, 95, 110));
    p.drawEllipse(centre, radius * 0.3, radius * 0.3);
    for (int i = 0; i < 5; ++i) {
        const double a = turn + i * 2 * std::numbers::pi / 5;
        p.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.9);
    }
    p.restore();
}

void DrawStar(QPainter &p, QPointF centre, double radius)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.drawPath(star);
}

} // namespace

QByteArray DrawAdvertJpeg(const QString &headline, const QString &line, QColor from, QColor to,
                          int motif)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 600, 400);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(image.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(470, 250), 190, 190);

    p.setPen(QPen(QColor(20, 20, 30), 4));
    switch (motif) {
    case 0:
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(470, 250), 95, 95);
        p.setPen(Qt::white);
        p.setFont(Font(60));
        p.drawText(QRectF(375, 155, 190, 190), Qt::AlignCenter, QStringLiteral("%"));
        break;
    case 1:
        p.setBrush(QColor(255, 205, 40));
        DrawStar(p, QPointF(470, 250), 110);
        break;
    default:
        DrawWheel(p, QPointF(470, 250), 105, 0.3);
        break;
    }

    p.setPen(Qt::white);
    p.setFont(Font(38));
    p.drawText(QRectF(30, 40, 540, 110), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, headline);
    p.setFont(Font(20, false));
    p.drawText(QRectF(30, 170, 330, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
    p.setFont(Font(14));
    p.drawText(QRectF(30, 360, 540, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("DORVENA B2B"));
    p.end();
    return Saved(image, "JPEG", 85);
}

QByteArray DrawHeaderBannerGif(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QColor base = QColor::fromHsv(200 + int(rng.bounded(40u)), 200, 150);
    std::vector<QImage> frames;
    const int count = 8;
    for (int f = 0; f < count; ++f) {
        QImage image(409, 100, QImage::Format_RGB32);
        image.fill(base);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // A light band sweeping across the name.
        const double x = -120 + f * (409 + 240) / double(count);
        QLinearGradient shine(x, 0, x + 120, 0);
        shine.setColorAt(0, base);
        shine.setColorAt(0.5, base.lighter(150));
        shine.setColorAt(1, base);
        p.fillRect(image.rect(), shine);
        DrawWheel(p, QPointF(55, 50), 38, f * 2 * std::numbers::pi / 5 / count);
        p.setPen(Qt::white);
        p.setFont(Font(34));
        p.drawText(QRectF(105, 8, 300, 50), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("DORVENA"));
        p.setFont(Font(15, false));
        p.drawText(QRectF(107, 58, 300, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Otomotiv Yedek Parça"));
        p.end();
        frames.push_back(image);
    }
    return EncodeAnimatedGif(frames, 15);
}

QByteArray DrawStripBannerGif(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QColor background = QColor::fromHsv(int(rng.bounded(30u)), 220, 200);
    std::vector<QImage> frames;
    for (int f = 0; f < 6; ++f) {
        QImage image(1000, 36, QImage::Format_RGB32);
        image.fill(background);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(Font(20));
        p.setPen(f % 2 == 0 ? QColor(Qt::white) : QColor(255, 230, 60));
        p.drawText(
            QRectF(0, 0, 1000, 36), Qt::AlignCenter,
            QStringLiteral("KAMPANYA  •  Fren balatalarında %15'e varan indirim  •  KAMPANYA"));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < 3; ++i) {
            const double x = 20 + ((f + i * 2) % 6) * 12;
            p.drawPolygon(QPolygonF({QPointF(x, 10), QPointF(x + 10, 18), QPointF(x, 26)}));
            p.drawPolygon(
                QPolygonF({QPointF(980 - x, 10), QPointF(970 - x, 18), QPointF(980 - x, 26)}));
        }
        p.end();
        frames.push_back(image);
    }
    return EncodeAnimatedGif(frames, 50);
}

QByteArray DrawBottomBannerBmp(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QStringList makers = {QStringLiteral("DURAPAR"),   QStringLiteral("ANKAFREN"),
                                QStringLiteral("MARMOTEK"),  QStringLiteral("EGEPARTS"),
                                QStringLiteral("BOSFORA"),   QStringLiteral("TORKSAN"),
                                QStringLiteral("YILDIZKAR"), QStringLiteral("KARTALSAN"),
                                QStringLiteral("ÖZTEKNİK"),  QStringLiteral("GÜÇLÜPAR")};
    QImage image(1400, 60, QImage::Format_RGB32);
    image.fill(QColor(245, 247, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Font(20));
    const int width = 1400 / int(makers.size());
    for (int i = 0; i < makers.size(); ++i) {
        const QColor colour = QColor::fromHsv(int(rng.bounded(360u)), 170, 170);
        const QRectF box(i * width + 6, 8, width - 12, 44);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(box, 8, 8);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, makers.at(i));
    }
    p.end();
    return Saved(image, "BMP");
}

} // namespace appserver::content
