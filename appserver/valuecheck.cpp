#include "valuecheck.h"

#include "server/methodtable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

namespace appserver {
namespace {

using server::ParamType;

// Qt keeps an integer literal exact, so toInteger() is exact for every whole number that fits
// in 64 bits and gives the fallback for fractions and for numbers beyond that range.
bool IsWhole(const QJsonValue &value)
{
    return value.isDouble() && (value.toDouble() == 0 || value.toInteger(0) != 0);
}

bool IsInt32(const QJsonValue &value)
{
    if (!IsWhole(value))
        return false;
    const qint64 v = value.toInteger();
    return v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
}

// "unit.TClass" names class TClass; TObject stands for any class.
bool IsClass(const QString &type, const char *className)
{
    if (!className || qstrcmp(className, "TObject") == 0)
        return !type.isEmpty();
    const QLatin1String wanted(className);
    const qsizetype dot = type.lastIndexOf(QLatin1Char('.'));
    return QStringView(type).mid(dot + 1) == wanted;
}

bool IsMarshalledObject(const QJsonValue &value, const char *className)
{
    if (value.isNull())
        return true;
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    const QJsonValue type = object.value(QStringLiteral("type"));
    if (!type.isString() || !IsClass(type.toString(), className))
        return false;
    // A full object carries its fields; a later occurrence of the same object only its ref.
    return object.value(QStringLiteral("fields")).isObject() ||
           IsWhole(object.value(QStringLiteral("ref")));
}

bool IsCallback(const QJsonValue &value)
{
    if (value.isNull())
        return true;
    const QJsonValue name = value.toObject().value(QStringLiteral("callback"));
    return value.isObject() && name.isString() && !name.toString().isEmpty();
}

bool IsBase64(const QJsonValue &value)
{
    if (!value.isString())
        return false;
    const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
}

bool IsTable(const QJsonValue &value)
{
    const QJsonObject table = value.toObject();
    return value.isNull() || (table.value(QStringLiteral("columns")).isArray() &&
                              table.value(QStringLiteral("rows")).isArray());
}

} // namespace

bool FitsType(const server::ParamInfo &param, const QJsonValue &value)
{
    switch (param.type) {
    case ParamType::String:
        return value.isString();
    case ParamType::Integer:
        return IsInt32(value);
    case ParamType::Int64:
        return IsWhole(value);
    case ParamType::Double:
        return value.isDouble();
    case ParamType::Boolean:
        return value.isBool();
    case ParamType::Reader:
    case ParamType::DataPacket:
        return IsTable(value);
    case ParamType::Stream:
        return IsBase64(value);
    case ParamType::JsonArray:
        return value.isArray();
    case ParamType::Callback:
        return IsCallback(value);
    case ParamType::Object:
        return IsMarshalledObject(value, param.className);
    case ParamType::None:
        return false;
    }
    return false;
}

QString ExpectedKind(const server::ParamInfo &param)
{
    switch (param.type) {
    case ParamType::String:
        return QStringLiteral("a string");
    case ParamType::Integer:
        return QStringLiteral("a whole number within 32 bits");
    case ParamType::Int64:
        return QStringLiteral("a whole number within 64 bits");
    case ParamType::Double:
        return QStringLiteral("a number");
    case ParamType::Boolean:
        return QStringLiteral("true or false");
    case ParamType::Reader:
    case ParamType::DataPacket:
        return QStringLiteral("a table");
    case ParamType::Stream:
        return QStringLiteral("a base64 string");
    case ParamType::JsonArray:
        return QStringLiteral("a JSON array");
    case ParamType::Callback:
        return QStringLiteral("a callback {\"callback\":\"<name>\"} or null");
    case ParamType::Object:
        return QStringLiteral("a marshalled %1 object {\"type\",\"id\",\"fields\"} or null")
            .arg(QLatin1String(param.className ? param.className : "TObject"));
    case ParamType::None:
        return QStringLiteral("nothing");
    }
    return {};
}

QString DescribeValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QStringLiteral("the number ") + (IsWhole(value)
                                                    ? QString::number(value.toInteger())
                                                    : QString::number(value.toDouble(), 'g', 17));
    case QJsonValue::String: {
        QString text = value.toString();
        if (text.size() > 40)
            text = text.left(40) + QStringLiteral("...");
        return QStringLiteral("the string \"%1\"").arg(text);
    }
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        return QStringLiteral("nothing");
    }
    return {};
}

} // namespace appserver
