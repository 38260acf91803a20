#include "servercommand.h"

#include "platform/callback.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/jsonwriter.h"
#include "platform/stream.h"
#include "platform/wirereply.h"

#include <QJsonDocument>

namespace server {

ServerCommand::ServerCommand(platform::Connection &connection, const MethodInfo &method)
    : m_connection(connection), m_method(method), m_params(method.params.size(), QByteArray("null"))
{
}

ServerCommand::~ServerCommand()
{
    ReleaseResults();
}

void ServerCommand::ReleaseResults()
{
    for (const OwnedResult &result : m_owned)
        result.destroy(result.ptr);
    m_owned.clear();
}

void ServerCommand::SetString(int index, const QString &value)
{
    QByteArray &out = m_params[size_t(index)];
    out.clear();
    platform::JsonWriter(out).String(value);
}

void ServerCommand::SetInt(int index, qint64 value)
{
    QByteArray &out = m_params[size_t(index)];
    out.clear();
    platform::JsonWriter(out).Int(value);
}

void ServerCommand::SetDouble(int index, double value)
{
    QByteArray &out = m_params[size_t(index)];
    out.clear();
    platform::JsonWriter(out).Double(value);
}

void ServerCommand::SetBool(int index, bool value)
{
    QByteArray &out = m_params[size_t(index)];
    out.clear();
    platform::JsonWriter(out).Bool(value);
}

void ServerCommand::SetNull(int index)
{
    m_params[size_t(index)] = QByteArray("null");
}

void ServerCommand::SetCallback(int index, const platform::Callback *callback)
{
    if (!callback) {
        SetNull(index);
        return;
    }
    QByteArray &out = m_params[size_t(index)];
    out.clear();
    platform::JsonWriter w(out);
    w.BeginObject();
    w.Key("callback");
    w.String(callback->Name());
    w.EndObject();
}

void ServerCommand::SetMarshalled(int index, const QJsonObject &object)
{
    m_params[size_t(index)] = QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void ServerCommand::Execute()
{
    // The previous answer's results are released now, as the callers expect.
    ReleaseResults();
    m_reply.reset();
    m_unmarshal = platform::marshal::Reader();

    QByteArray body;
    body.reserve(64);
    body.append("{\"_parameters\":[");
    for (size_t i = 0; i < m_params.size(); ++i) {
        if (i)
            body.append(',');
        // Output parameters travel as null whatever was set.
        body.append(m_method.params[i].out ? QByteArray("null") : m_params[i]);
    }
    body.append("]}");

    const QByteArray answer = m_connection.Call(QString::fromLatin1(m_method.name), body);
    auto reply = std::make_unique<platform::WireReply>(answer);
    if (reply->Count() != m_method.ResultCount())
        throw platform::ProtocolError(QStringLiteral("%1 answered %2 values, expected %3")
                                          .arg(QLatin1String(m_method.name))
                                          .arg(reply->Count())
                                          .arg(m_method.ResultCount()));
    m_reply = std::move(reply);
}

QString ServerCommand::String(int position) const
{
    return m_reply->String(position);
}

qint32 ServerCommand::Int32(int position) const
{
    return m_reply->Int32(position);
}

qint64 ServerCommand::Int64(int position) const
{
    return m_reply->Int(position);
}

double ServerCommand::Double(int position) const
{
    return m_reply->Double(position);
}

bool ServerCommand::Bool(int position) const
{
    return m_reply->Bool(position);
}

QJsonValue ServerCommand::Json(int position) const
{
    return m_reply->Json(position);
}

platform::DataSet *ServerCommand::Table(int position)
{
    return Keep(m_reply->Table(position));
}

platform::MemoryStream *ServerCommand::Stream(int position)
{
    if (m_reply->IsNull(position))
        return nullptr;
    return Keep(std::make_unique<platform::MemoryStream>(m_reply->Stream(position)));
}

QJsonArray *ServerCommand::JsonArray(int position)
{
    const QJsonValue value = m_reply->Json(position);
    if (value.isNull())
        return nullptr;
    if (!value.isArray())
        throw platform::ConversionError(
            QStringLiteral("Result %1: expected a JSON array").arg(position));
    return Keep(std::make_unique<QJsonArray>(value.toArray()));
}

} // namespace server
