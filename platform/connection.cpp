#include "connection.h"

#include "error.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <httplib.h>

namespace platform {
namespace {

QString TransportError(httplib::Error error)
{
    return QString::fromStdString(httplib::to_string(error));
}

// The server's own text from an error answer, or the status when it sent none.
QString ErrorText(const httplib::Result &result)
{
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(result->body));
    const QString text = doc.object().value(QStringLiteral("error")).toString();
    return text.isEmpty() ? QStringLiteral("HTTP %1").arg(result->status) : text;
}

} // namespace

QString MethodPath(const QString &method)
{
    return QStringLiteral("/datasnap/rest/TServerMethods1/") + method;
}

Connection::Connection()
{
    m_params.insert(QStringLiteral("DriverName"), QStringLiteral("DataSnap"));
    m_params.insert(QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip"));
    m_params.insert(QStringLiteral("Port"), QStringLiteral("9090"));
    m_params.insert(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
}

Connection::~Connection() = default;

Connection::Connection(const Connection &other) : m_params(other.m_params) {}

Connection &Connection::operator=(const Connection &other)
{
    if (this != &other) {
        Close();
        m_params = other.m_params;
    }
    return *this;
}

int Connection::IntParam(const QString &name, int fallback) const
{
    bool ok = false;
    const int v = m_params.value(name).toInt(&ok);
    return ok && v > 0 ? v : fallback;
}

std::unique_ptr<httplib::Client> Connection::MakeClient() const
{
    const QString host = Param(QStringLiteral("HostName"));
    const int port = IntParam(QStringLiteral("Port"), 9090);
    auto client = std::make_unique<httplib::Client>(host.toStdString(), port);
    const int connectMs = IntParam(QStringLiteral("ConnectTimeout"), 5000);
    const int readMs = IntParam(QStringLiteral("CommunicationTimeout"), 120000);
    client->set_connection_timeout(std::chrono::milliseconds(connectMs));
    client->set_read_timeout(std::chrono::milliseconds(readMs));
    client->set_write_timeout(std::chrono::milliseconds(readMs));
    client->set_keep_alive(true);
    // A call is a header and a body written apart: without this, Nagle and delayed ACKs add
    // 40 ms to every call.
    client->set_tcp_nodelay(true);
    return client;
}

void Connection::Open()
{
    Close();
    if (Param(QStringLiteral("HostName")).isEmpty())
        throw ConnectionError(QStringLiteral("No host name given for the connection"));
    auto client = MakeClient();
    const auto result = client->Get("/datasnap/rest/DSAdmin/Ping");
    if (!result)
        throw ConnectionError(QStringLiteral("Unable to connect to %1:%2: %3")
                                  .arg(Param(QStringLiteral("HostName")),
                                       Param(QStringLiteral("Port")),
                                       TransportError(result.error())));
    if (result->status != 200)
        throw ConnectionError(
            QStringLiteral("The server refused the connection: %1").arg(ErrorText(result)));
    m_client = std::move(client);
}

void Connection::Close()
{
    if (m_client)
        m_client->stop();
    m_client.reset();
}

QByteArray Connection::Call(const QString &method, const QByteArray &body)
{
    if (!m_client)
        throw ConnectionError(QStringLiteral("Connection is closed"));
    // The answer is received straight into the buffer the decoder parses in place, with
    // spare room at its end for the parser's padding, so a large table is not copied.
    constexpr qsizetype kPadding = 64;
    QByteArray answer;
    httplib::Request req;
    req.method = "POST";
    req.path = MethodPath(method).toStdString();
    req.body.assign(body.constData(), size_t(body.size()));
    req.set_header("Content-Type", "application/json");
    req.response_handler = [&answer](const httplib::Response &res) {
        const qsizetype length =
            QByteArray::fromStdString(res.get_header_value("Content-Length")).toLongLong();
        if (length > 0)
            answer.reserve(length + kPadding);
        return true;
    };
    req.content_receiver = [&answer](const char *data, size_t length, uint64_t, uint64_t) {
        answer.append(data, qsizetype(length));
        return true;
    };
    httplib::Response res;
    httplib::Error error = httplib::Error::Success;
    if (!m_client->send(req, res, error))
        throw ConnectionError(
            QStringLiteral("Connection to the server lost: %1").arg(TransportError(error)));
    if (res.status < 200 || res.status > 299) {
        const QString text =
            QJsonDocument::fromJson(answer).object().value(QStringLiteral("error")).toString();
        throw ServerError(text.isEmpty() ? QStringLiteral("HTTP %1").arg(res.status) : text);
    }
    if (answer.capacity() - answer.size() < kPadding)
        answer.reserve(answer.size() + kPadding);
    return answer;
}

int Connection::Post(const QString &path, const QByteArray &body, QByteArray &answer,
                     int readTimeoutMs)
{
    if (!m_client)
        throw ConnectionError(QStringLiteral("Connection is closed"));
    m_client->set_read_timeout(std::chrono::milliseconds(readTimeoutMs));
    const auto result = m_client->Post(path.toStdString(), body.constData(), size_t(body.size()),
                                       "application/json");
    m_client->set_read_timeout(
        std::chrono::milliseconds(IntParam(QStringLiteral("CommunicationTimeout"), 120000)));
    if (!result)
        throw ConnectionError(QStringLiteral("Connection to the server lost: %1")
                                  .arg(TransportError(result.error())));
    answer = QByteArray::fromStdString(result->body);
    return result->status;
}

} // namespace platform
