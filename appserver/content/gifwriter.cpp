#include "gifwriter.h"

#include "platform/error.h"

#include <unordered_map>

namespace appserver::content {
namespace {

constexpr int kMinCodeSize = 8; // 256 colours
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCodes = 4096; // 12-bit codes

void Put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first and cuts the bytes into the data
// sub-blocks of at most 255 bytes that GIF wants.
class CodeWriter
{
public:
    explicit CodeWriter(QByteArray &out) : m_out(out) {}

    void Put(int code, int width)
    {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            Byte(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void Finish()
    {
        if (m_count > 0)
            Byte(char(m_bits & 0xFF));
        m_bits = 0;
        m_count = 0;
        FlushBlock();
        m_out.append('\0'); // block terminator
    }

private:
    void Byte(char b)
    {
        m_block.append(b);
        if (m_block.size() == 255)
            FlushBlock();
    }
    void FlushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    QByteArray &m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_count = 0;
};

// The image data of one frame: the minimum code size, then the LZW codes of the palette
// indices in sub-blocks. When the table is full it starts afresh with a clear code.
void CompressIndices(const std::vector<uchar> &indices, QByteArray &out)
{
    out.append(char(kMinCodeSize));
    CodeWriter codes(out);
    std::unordered_map<quint32, int> table;
    table.reserve(kMaxCodes);
    int width = kMinCodeSize + 1;
    int next = kEndCode + 1;
    codes.Put(kClearCode, width);
    int prefix = indices.front();
    for (size_t i = 1; i < indices.size(); ++i) {
        const int c = indices[i];
        const quint32 key = (quint32(prefix) << 8) | quint32(c);
        if (const auto it = table.find(key); it != table.end()) {
            prefix = it->second;
            continue;
        }
        codes.Put(prefix, width);
        if (next < kMaxCodes) {
            table.emplace(key, next);
            // The reader widens its codes once it has made this entry, one code later than
            // here; both sides then agree on the width of the code that follows.
            if (next == (1 << width))
                ++width;
            ++next;
        } else {
            codes.Put(kClearCode, width);
            table.clear();
            width = kMinCodeSize + 1;
            next = kEndCode + 1;
        }
        prefix = c;
    }
    codes.Put(prefix, width);
    codes.Put(kEndCode, width);
    codes.Finish();
}

std::vector<uchar> PaletteIndices(const QImage &frame)
{
    const QImage indexed = frame.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, GifPalette(),
                                                Qt::ThresholdDither | Qt::AvoidDither);
    std::vector<uchar> indices;
    indices.reserve(size_t(indexed.width()) * size_t(indexed.height()));
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        indices.insert(indices.end(), line, line + indexed.width());
    }
    return indices;
}

} // namespace

const QList<QRgb> &GifPalette()
{
    static const QList<QRgb> palette = [] {
        QList<QRgb> colours;
        colours.reserve(256);
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    colours.append(qRgb(r * 51, g * 51, b * 51));
        // Greys between the cube's six, for smooth dark and light areas.
        for (int i = 1; i <= 40; ++i)
            colours.append(qRgb(i * 255 / 41, i * 255 / 41, i * 255 / 41));
        return colours;
    }();
    return palette;
}

QByteArray EncodeAnimatedGif(const std::vector<QImage> &frames, int delayCentiseconds, int loops)
{
    if (frames.empty())
        throw platform::Error(QStringLiteral("An animated GIF needs at least one frame"));
    const QSize size = frames.front().size();
    if (size.isEmpty() || size.width() > 65535 || size.height() > 65535)
        throw platform::Error(
            QStringLiteral("A GIF frame must be 1 to 65535 pixels each way, not %1×%2")
                .arg(size.width())
                .arg(size.height()));
    for (const QImage &frame : frames) {
        if (frame.size() != size)
            throw platform::Error(QStringLiteral("Every frame of a GIF must be %1×%2, not %3×%4")
                                      .arg(size.width())
                                      .arg(size.height())
                                      .arg(frame.width())
                                      .arg(frame.height()));
    }
    if (delayCentiseconds < 0 || delayCentiseconds > 65535 || loops < 0 || loops > 65535)
        throw platform::Error(QStringLiteral("A GIF's delay and loop count are 0 to 65535"));

    QByteArray gif("GIF89a");
    Put16(gif, size.width());
    Put16(gif, size.height());
    gif.append(char(0xF7)); // global colour table of 2^(7+1) entries, 8 bits per primary
    gif.append('\0');       // background colour index
    gif.append('\0');       // no aspect ratio
    for (const QRgb c : GifPalette()) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    // The application extension that makes viewers repeat the animation.
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    Put16(gif, loops);
    gif.append('\0');

    for (const QImage &frame : frames) {
        // Graphic control: frames cover the whole picture, so each is left in place.
        gif.append("\x21\xF9\x04\x04", 4);
        Put16(gif, delayCentiseconds);
        gif.append('\0'); // transparent index (unused)
        gif.append('\0');
        gif.append('\x2C');
        Put16(gif, 0);
        Put16(gif, 0);
        Put16(gif, size.width());
        Put16(gif, size.height());
        gif.append('\0'); // no local colour table, not interlaced
        CompressIndices(PaletteIndices(frame), gif);
    }
    gif.append('\x3B');
    return gif;
}

} // namespace appserver::content
