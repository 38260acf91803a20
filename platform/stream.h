#pragma once

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace platform {

// A byte stream held in memory: what a server method hands back for pictures, reports and
// receipts. Callers read it in pieces and compare the total with the size the server gave.
class MemoryStream
{
public:
    MemoryStream() = default;
    explicit MemoryStream(QByteArray data) : m_data(std::move(data)) {}

    qint64 Size() const { return m_data.size(); }
    qint64 Position() const { return m_position; }
    void Seek(qint64 position) { m_position = std::clamp<qint64>(position, 0, m_data.size()); }

    // Copies up to `count` bytes from the position on; returns how many were copied.
    int Read(char *buffer, int count)
    {
        const qint64 n = std::min<qint64>(count, m_data.size() - m_position);
        if (n <= 0)
            return 0;
        std::memcpy(buffer, m_data.constData() + m_position, size_t(n));
        m_position += n;
        return int(n);
    }
    void Write(const char *data, int count)
    {
        m_data.append(data, count);
        m_position = m_data.size();
    }
    const QByteArray &Bytes() const { return m_data; }

private:
    QByteArray m_data;
    qint64 m_position = 0;
};

// Reads a stream the way every caller does: pieces of 1024 bytes until a piece comes back
// shorter. Returns the bytes read.
inline QByteArray ReadAllInPieces(MemoryStream &stream)
{
    QByteArray out;
    char piece[1024];
    for (;;) {
        const int n = stream.Read(piece, int(sizeof piece));
        out.append(piece, n);
        if (n < int(sizeof piece))
            break;
    }
    return out;
}

} // namespace platform
