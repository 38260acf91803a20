#include "jsonbody.h"

#include "requesterror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/jsonwriter.h"

#include <string_view>

namespace appserver {

QJsonValue ParseJsonBody(const QByteArray &body)
{
    // QJsonDocument reads only arrays and objects at the top; wrapping the body in an array
    // accepts any single value and still rejects two values or trailing text.
    QByteArray wrapped;
    wrapped.reserve(body.size() + 2);
    wrapped.append('[').append(body).append(']');
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(wrapped, &error);
    if (error.error != QJsonParseError::NoError) {
        const int offset = qBound(0, error.offset - 1, int(body.size()));
        throw RequestError(400,
                           QStringLiteral("The request body is not valid JSON (%1 at offset %2)")
                               .arg(error.errorString())
                               .arg(offset));
    }
    const QJsonArray values = doc.array();
    if (values.size() != 1)
        throw RequestError(400,
                           values.isEmpty()
                               ? QStringLiteral("The request body is empty; JSON expected")
                               : QStringLiteral("The request body holds more than one JSON value"));
    return values.at(0);
}

} // namespace appserver

namespace appserver {

void WriteJsonText(platform::JsonWriter &writer, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    writer.String(std::string_view(utf8.constData(), size_t(utf8.size())));
}

void WriteJsonValue(platform::JsonWriter &writer, const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        WriteJsonText(writer, value.toString());
        break;
    case QJsonValue::Double:
        if (value.toDouble() == 0 || value.toInteger(0) != 0)
            writer.Int(value.toInteger());
        else
            writer.Double(value.toDouble());
        break;
    case QJsonValue::Array:
    case QJsonValue::Object: {
        // Compact text of the document: Qt writes strings in full and integers exactly.
        const QByteArray json =
            value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                            : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
        writer.Raw(std::string_view(json.constData(), size_t(json.size())));
        break;
    }
    default:
        writer.Value(value);
    }
}

} // namespace appserver
