#include "methodresult.h"

#include <QJsonDocument>

#include "jsonbody.h"
#include "valuecheck.h"

#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/jsonwriter.h"
#include "server/methodtable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace appserver {

using server::ParamType;

struct MethodResult::Slot
{
    explicit Slot(const server::ParamInfo *p) : param(p) {}
    const server::ParamInfo *param;
    bool set = false;
    QJsonValue value;                               // scalars, objects, arrays
    QByteArray text;                                // an object already marshalled
    QByteArray stream;                              // Stream
    std::shared_ptr<const platform::DataSet> table; // Reader, DataPacket
};

MethodResult::MethodResult(const server::MethodInfo &method) : m_method(method)
{
    for (const server::ParamInfo &p : method.params)
        if (p.out)
            m_slots.push_back(Slot{&p});
    if (method.result.type != ParamType::None)
        m_slots.push_back(Slot{&method.result});
}

MethodResult::~MethodResult() = default;

QString MethodResult::SlotName(const Slot &slot) const
{
    return QStringLiteral("%1.%2").arg(QLatin1String(m_method.name),
                                       QLatin1String(slot.param->name));
}

MethodResult::Slot &MethodResult::ResultSlot()
{
    if (m_method.result.type == ParamType::None)
        throw platform::Error(QStringLiteral("%1 is a procedure, it has no result")
                                  .arg(QLatin1String(m_method.name)));
    return m_slots.back();
}

MethodResult::Slot &MethodResult::OutSlot(std::string_view name)
{
    const auto it = std::find_if(m_slots.begin(), m_slots.end(), [name](const Slot &s) {
        return s.param->out && name == s.param->name;
    });
    if (it == m_slots.end())
        throw platform::Error(QStringLiteral("%1 has no output parameter %2")
                                  .arg(QLatin1String(m_method.name),
                                       QString::fromUtf8(name.data(), qsizetype(name.size()))));
    return *it;
}

void MethodResult::Require(const Slot &slot, std::initializer_list<ParamType> types,
                           const char *setter) const
{
    if (std::find(types.begin(), types.end(), slot.param->type) == types.end())
        throw platform::Error(
            QStringLiteral("%1 is %2, it cannot be set with %3()")
                .arg(SlotName(slot), ExpectedKind(*slot.param), QLatin1String(setter)));
}

void MethodResult::Store(Slot &slot, const QJsonValue &value)
{
    if (!FitsType(*slot.param, value))
        throw platform::Error(
            QStringLiteral("%1 must be %2, not %3")
                .arg(SlotName(slot), ExpectedKind(*slot.param), DescribeValue(value)));
    slot.value = value;
    slot.set = true;
}

namespace {

QJsonValue FiniteDouble(double value)
{
    // JSON has no NaN or infinity; writing null instead would pass a broken figure as success.
    if (!std::isfinite(value))
        throw platform::Error(
            QStringLiteral("A Double result must be a finite number, not %1").arg(value));
    return QJsonValue(value);
}

} // namespace

void MethodResult::SetString(const QString &value)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::String}, "SetString");
    Store(s, value);
}

void MethodResult::SetInt(qint32 value)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Integer, ParamType::Int64}, "SetInt");
    Store(s, qint64(value));
}

void MethodResult::SetInt64(qint64 value)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Int64}, "SetInt64");
    Store(s, value);
}

void MethodResult::SetDouble(double value)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Double}, "SetDouble");
    Store(s, FiniteDouble(value));
}

void MethodResult::SetBool(bool value)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Boolean}, "SetBool");
    Store(s, value);
}

void MethodResult::SetTable(std::unique_ptr<platform::DataSet> table)
{
    SetTable(std::shared_ptr<const platform::DataSet>(std::move(table)));
}

void MethodResult::SetTable(std::shared_ptr<const platform::DataSet> table)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Reader, ParamType::DataPacket}, "SetTable");
    s.table = std::move(table);
    s.value = QJsonValue(QJsonValue::Null);
    s.set = true;
}

void MethodResult::SetStream(const QByteArray &bytes)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Stream}, "SetStream");
    s.stream = bytes;
    s.set = true;
}

void MethodResult::SetObject(const QJsonValue &object)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Object}, "SetObject");
    // Only the shape is checked here: the class of a result object is the handler's word.
    if (!object.isNull() && !object.isObject())
        throw platform::Error(QStringLiteral("%1 must be an object or null, not %2")
                                  .arg(SlotName(s), DescribeValue(object)));
    s.value = object;
    s.set = true;
}

void MethodResult::SetObjectText(const QByteArray &marshalled)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::Object}, "SetObjectText");
    const QJsonDocument doc = QJsonDocument::fromJson(marshalled);
    if (!doc.isObject())
        throw platform::Error(QStringLiteral("%1 must be a marshalled object").arg(SlotName(s)));
    s.value = QJsonValue();
    s.text = marshalled;
    s.set = true;
}

void MethodResult::SetJsonArray(const QJsonArray &array)
{
    Slot &s = ResultSlot();
    Require(s, {ParamType::JsonArray}, "SetJsonArray");
    Store(s, array);
}

void MethodResult::SetValue(const QJsonValue &value)
{
    Slot &s = ResultSlot();
    Require(s,
            {ParamType::String, ParamType::Integer, ParamType::Int64, ParamType::Double,
             ParamType::Boolean, ParamType::Object, ParamType::JsonArray},
            "SetValue");
    Store(s, value);
}

void MethodResult::SetString(std::string_view name, const QString &value)
{
    Slot &s = OutSlot(name);
    Require(s, {ParamType::String}, "SetString");
    Store(s, value);
}

void MethodResult::SetInt(std::string_view name, qint32 value)
{
    Slot &s = OutSlot(name);
    Require(s, {ParamType::Integer, ParamType::Int64}, "SetInt");
    Store(s, qint64(value));
}

void MethodResult::SetInt64(std::string_view name, qint64 value)
{
    Slot &s = OutSlot(name);
    Require(s, {ParamType::Int64}, "SetInt64");
    Store(s, value);
}

void MethodResult::SetDouble(std::string_view name, double value)
{
    Slot &s = OutSlot(name);
    Require(s, {ParamType::Double}, "SetDouble");
    Store(s, FiniteDouble(value));
}

void MethodResult::SetBool(std::string_view name, bool value)
{
    Slot &s = OutSlot(name);
    Require(s, {ParamType::Boolean}, "SetBool");
    Store(s, value);
}

void MethodResult::SetValue(std::string_view name, const QJsonValue &value)
{
    Store(OutSlot(name), value);
}

void MethodResult::SetRawAnswer(int status, QByteArray body)
{
    m_raw = RawAnswer{status, std::move(body)};
}

QByteArray MethodResult::Encode() const
{
    for (const Slot &s : m_slots)
        if (!s.set)
            throw platform::Error(QStringLiteral("%1 was not set by the method").arg(SlotName(s)));
    QByteArray out;
    platform::JsonWriter w(out);
    w.BeginObject();
    w.Key("result");
    w.BeginArray();
    for (const Slot &s : m_slots) {
        switch (s.param->type) {
        case ParamType::Reader:
        case ParamType::DataPacket:
            if (s.table)
                w.Table(*s.table);
            else
                w.Null();
            break;
        case ParamType::Stream: {
            const QByteArray base64 = s.stream.toBase64();
            w.String(std::string_view(base64.constData(), size_t(base64.size())));
            break;
        }
        case ParamType::Double:
            w.Double(s.value.toDouble());
            break;
        case ParamType::Object:
            if (!s.text.isEmpty()) {
                w.Raw(std::string_view(s.text.constData(), size_t(s.text.size())));
                break;
            }
            WriteJsonValue(w, s.value);
            break;
        default:
            WriteJsonValue(w, s.value);
        }
    }
    w.EndArray();
    w.EndObject();
    return out;
}

} // namespace appserver
