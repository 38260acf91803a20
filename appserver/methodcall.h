#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <initializer_list>
#include <string_view>

namespace server {
struct MethodInfo;
struct ParamInfo;
enum class ParamType;
} // namespace server

namespace appserver {

// The decoded inputs of one server method call. Decode() has checked every value against its
// declared type, so the accessors only convert; asking for a parameter by a type it does not
// have (or for an output) is a fault of the handler and raises platform::Error.
class MethodCall
{
public:
    // Reads {"_parameters":[...]}: one entry per declared parameter, outputs null. Raises
    // RequestError(400) with a message that names the parameter when the frame does not fit.
    static MethodCall Decode(const server::MethodInfo &method, const QByteArray &body);

    const server::MethodInfo &Method() const { return *m_method; }
    QString Name() const;
    // The parameter's position in the declaration; raises platform::Error for an unknown name.
    int IndexOf(std::string_view name) const;

    QString String(int index) const;
    QString String(std::string_view name) const { return String(IndexOf(name)); }
    qint32 Int(int index) const;
    qint32 Int(std::string_view name) const { return Int(IndexOf(name)); }
    qint64 Int64(int index) const; // an Integer parameter reads as well
    qint64 Int64(std::string_view name) const { return Int64(IndexOf(name)); }
    double Double(int index) const;
    double Double(std::string_view name) const { return Double(IndexOf(name)); }
    bool Bool(int index) const;
    bool Bool(std::string_view name) const { return Bool(IndexOf(name)); }
    // The marshalled object as sent, or null.
    QJsonValue Object(int index) const;
    QJsonValue Object(std::string_view name) const { return Object(IndexOf(name)); }
    // The callback's name, empty for null.
    QString Callback(int index) const;
    QString Callback(std::string_view name) const { return Callback(IndexOf(name)); }

    // Every entry of "_parameters" as sent, outputs included (null).
    const QJsonArray &Parameters() const { return m_parameters; }

private:
    MethodCall(const server::MethodInfo &method, QJsonArray parameters)
        : m_method(&method), m_parameters(std::move(parameters))
    {
    }
    QJsonValue Input(int index, std::initializer_list<server::ParamType> readableAs,
                     const char *accessor) const;

    const server::MethodInfo *m_method;
    QJsonArray m_parameters;
};

} // namespace appserver
