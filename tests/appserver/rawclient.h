#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <chrono>

// A bare TCP client for what an HTTP library will not do: send a broken request line, a body
// that never ends, or stop talking halfway.
class RawClient
{
public:
    explicit RawClient(quint16 port); // connected to 127.0.0.1:port, or !Connected()
    ~RawClient();
    RawClient(const RawClient &) = delete;
    RawClient &operator=(const RawClient &) = delete;

    bool Connected() const { return m_fd >= 0; }
    bool Send(const QByteArray &bytes);
    void ShutdownWrite(); // "no more from me", the reading side stays open
    void Close();

    struct Response
    {
        int status = 0; // 0: no complete answer came
        QByteArray body;
        bool closed = false; // the server ended the connection
    };
    // One answer (by its Content-Length), or what came before the server closed or time ran out.
    Response Read(std::chrono::milliseconds timeout);
    // Waits for the server to close the connection; false when it is still open after `timeout`.
    bool WaitForClose(std::chrono::milliseconds timeout);

private:
    // Appends what arrives within `timeout`; false on time-out, true otherwise (also on close).
    bool Receive(std::chrono::milliseconds timeout);

    int m_fd = -1;
    QByteArray m_in;
    bool m_closed = false;
};
