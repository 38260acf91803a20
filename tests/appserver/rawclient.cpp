#include "rawclient.h"

#include <QList>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

RawClient::RawClient(quint16 port)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
        Close();
}

RawClient::~RawClient()
{
    Close();
}

bool RawClient::Send(const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (m_fd >= 0 && sent < bytes.size()) {
        const ssize_t n =
            ::send(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return m_fd >= 0;
}

void RawClient::ShutdownWrite()
{
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_WR);
}

void RawClient::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool RawClient::Receive(std::chrono::milliseconds timeout)
{
    if (m_fd < 0 || m_closed)
        return true;
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, int(timeout.count())) <= 0)
        return false;
    char buffer[65536];
    const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
    if (n <= 0)
        m_closed = true;
    else
        m_in.append(buffer, n);
    return true;
}

RawClient::Response RawClient::Read(std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    Response response;
    for (;;) {
        const qsizetype headerEnd = m_in.indexOf("\r\n\r\n");
        if (headerEnd >= 0) {
            const QByteArray head = m_in.left(headerEnd);
            const QList<QByteArray> lines = head.split('\n');
            const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
            qsizetype length = 0;
            for (const QByteArray &line : lines) {
                const qsizetype colon = line.indexOf(':');
                if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
                    length = line.mid(colon + 1).trimmed().toLongLong();
            }
            if (m_in.size() >= headerEnd + 4 + length) {
                response.status = statusLine.size() > 1 ? statusLine.at(1).toInt() : 0;
                response.body = m_in.mid(headerEnd + 4, length);
                m_in.remove(0, headerEnd + 4 + length);
                response.closed = m_closed;
                return response;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (m_closed || left.count() <= 0 || !Receive(left)) {
            response.body = m_in;
            response.closed = m_closed;
            return response;
        }
    }
}

bool RawClient::WaitForClose(std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    while (!m_closed) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || !Receive(left))
            return false;
    }
    return true;
}
