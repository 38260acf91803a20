#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <vector>

namespace appserver::content {

// The colours every GIF we write uses: a 6×6×6 colour cube and 40 greys, 256 in all. One fixed
// palette keeps the encoder small; banners are drawn with flat colours, so it is enough.
const QList<QRgb> &GifPalette();

// An animated GIF (GIF89a) of equally sized frames, each shown for `delayCentiseconds`,
// repeated `loops` times (0: for ever). Pixels are mapped to the nearest colour of
// GifPalette() without dithering; transparency is not kept. Raises platform::Error for no
// frames, frames of different or empty sizes, sizes beyond 65535, or a delay outside 0..65535.
QByteArray EncodeAnimatedGif(const std::vector<QImage> &frames, int delayCentiseconds,
                             int loops = 0);

} // namespace appserver::content
