#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <memory>

namespace httplib {
class Client;
}

namespace platform {

// The client's connection to the application server: named parameters ("HostName", "Port",
// "ConnectTimeout", "CommunicationTimeout" in milliseconds, ...), a blocking HTTP/1.1
// transport with keep-alive, used by one thread at a time. A copy has the same parameters
// and a socket of its own, closed until opened.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &other);
    Connection &operator=(const Connection &other);

    QString Param(const QString &name) const { return m_params.value(name); }
    void SetParam(const QString &name, const QString &value) { m_params.insert(name, value); }
    const QMap<QString, QString> &Params() const { return m_params; }

    // Connects and pings the server; raises ConnectionError when it does not answer 200.
    void Open();
    void Close();
    bool Connected() const { return m_client != nullptr; }

    // Calls a server method with the request frame as body; returns the answer frame.
    // ConnectionError for a transport failure, ServerError with the server's text otherwise.
    QByteArray Call(const QString &method, const QByteArray &body);

    // A raw POST on this connection's host (the notification channel). Returns the status;
    // raises ConnectionError for a transport failure.
    int Post(const QString &path, const QByteArray &body, QByteArray &answer, int readTimeoutMs);

private:
    std::unique_ptr<httplib::Client> MakeClient() const;
    int IntParam(const QString &name, int fallback) const;

    QMap<QString, QString> m_params;
    std::unique_ptr<httplib::Client> m_client;
};

// The path of a server method on the wire.
QString MethodPath(const QString &method);

} // namespace platform
