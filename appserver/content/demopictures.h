#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

namespace appserver::content {

// The demo's pictures, drawn here (they need a QGuiApplication for the text).

// An opening advert, 600 × 400 JPEG: a headline and a line of text over a gradient, with a
// motif: 0 a price badge, 1 a star, 2 a brake disc.
QByteArray DrawAdvertJpeg(const QString &headline, const QString &line, QColor from, QColor to,
                          int motif);

// The header banner, 409 × 100 animated GIF: the firm's name and a turning wheel.
QByteArray DrawHeaderBannerGif(quint32 seed);
// The strip under the search bar, 1000 × 36 animated GIF: a blinking campaign line.
QByteArray DrawStripBannerGif(quint32 seed);
// The bottom banner, 1400 × 60 Windows bitmap: the part makers' names in coloured boxes.
QByteArray DrawBottomBannerBmp(quint32 seed);

} // namespace appserver::content
