#pragma once

#include "platform/marshal.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {
class DataSet;
}
namespace server {
struct MethodInfo;
struct ParamInfo;
enum class ParamType;
} // namespace server

namespace appserver {

// The answer of one server method: its output parameters and its result, each checked against
// the declared type when it is set. Setters without a name set the result; setters with a name
// set that output parameter. A value of the wrong kind, or a value never set, is a fault of the
// handler and raises platform::Error (the caller then answers 500, never a half-filled frame).
class MethodResult
{
public:
    explicit MethodResult(const server::MethodInfo &method);
    ~MethodResult();
    MethodResult(const MethodResult &) = delete;
    MethodResult &operator=(const MethodResult &) = delete;

    // The result.
    void SetString(const QString &value);
    void SetInt(qint32 value);   // Integer or Int64
    void SetInt64(qint64 value); // Int64
    void SetDouble(double value);
    void SetBool(bool value);
    void SetTable(std::unique_ptr<platform::DataSet> table); // Reader or DataPacket; null allowed
    void SetTable(std::shared_ptr<const platform::DataSet> table);
    void SetStream(const QByteArray &bytes);  // sent as base64
    void SetObject(const QJsonValue &object); // a marshalled object or null
    // A record or transfer object, marshalled with its fields in declaration order; null
    // for none.
    template <class T> void SetRecord(const T *object)
    {
        if (object)
            SetObjectText(platform::marshal::Writer().Text(*object));
        else
            SetObject(QJsonValue(QJsonValue::Null));
    }
    void SetObjectText(const QByteArray &marshalled); // already marshalled text
    void SetJsonArray(const QJsonArray &array);
    void SetValue(const QJsonValue &value); // any small value, checked like a request value

    // Output parameters.
    void SetString(std::string_view name, const QString &value);
    void SetInt(std::string_view name, qint32 value);
    void SetInt64(std::string_view name, qint64 value);
    void SetDouble(std::string_view name, double value);
    void SetBool(std::string_view name, bool value);
    void SetValue(std::string_view name, const QJsonValue &value);

    // Replaces the whole answer with this status and body. Only for test tables that must send
    // what a correct server never would (a broken frame, a value of the wrong type).
    void SetRawAnswer(int status, QByteArray body);
    struct RawAnswer
    {
        int status;
        QByteArray body;
    };
    const std::optional<RawAnswer> &Raw() const { return m_raw; }

    // {"result":[outputs in declaration order..., result]}, without a DOM: a table is written
    // straight from its columns into the frame.
    QByteArray Encode() const;

private:
    struct Slot;
    Slot &ResultSlot();
    Slot &OutSlot(std::string_view name);
    void Require(const Slot &slot, std::initializer_list<server::ParamType> types,
                 const char *setter) const;
    QString SlotName(const Slot &slot) const;
    void Store(Slot &slot, const QJsonValue &value);

    const server::MethodInfo &m_method;
    std::vector<Slot> m_slots; // outputs in order, then the result
    std::optional<RawAnswer> m_raw;
};

} // namespace appserver
