#include "methodcall.h"

#include "jsonbody.h"
#include "requesterror.h"
#include "valuecheck.h"

#include "server/methodtable.h"

#include <QJsonObject>
#include <algorithm>

namespace appserver {

using server::ParamType;

MethodCall MethodCall::Decode(const server::MethodInfo &method, const QByteArray &body)
{
    const QString name = QLatin1String(method.name);
    const QJsonValue frame = ParseJsonBody(body);
    if (!frame.isObject())
        throw RequestError(
            400, QStringLiteral("%1: the request body must be an object with \"_parameters\"")
                     .arg(name));
    const QJsonValue list = frame.toObject().value(QStringLiteral("_parameters"));
    if (list.isUndefined())
        throw RequestError(400, QStringLiteral("%1: the request has no \"_parameters\"").arg(name));
    if (!list.isArray())
        throw RequestError(400, QStringLiteral("%1: \"_parameters\" must be an array, not %2")
                                    .arg(name, DescribeValue(list)));
    const QJsonArray parameters = list.toArray();
    const qsizetype declared = qsizetype(method.params.size());
    if (parameters.size() != declared)
        throw RequestError(400, QStringLiteral("%1 takes %2 parameters, the request has %3")
                                    .arg(name)
                                    .arg(declared)
                                    .arg(parameters.size()));
    for (qsizetype i = 0; i < declared; ++i) {
        const server::ParamInfo &param = method.params[size_t(i)];
        const QJsonValue value = parameters.at(i);
        if (param.out) {
            if (!value.isNull())
                throw RequestError(
                    400,
                    QStringLiteral("%1: parameter %2 (%3) is an output and must be null, not %4")
                        .arg(name)
                        .arg(i)
                        .arg(QLatin1String(param.name), DescribeValue(value)));
            continue;
        }
        if (!FitsType(param, value))
            throw RequestError(400, QStringLiteral("%1: parameter %2 (%3) must be %4, not %5")
                                        .arg(name)
                                        .arg(i)
                                        .arg(QLatin1String(param.name), ExpectedKind(param),
                                             DescribeValue(value)));
    }
    return MethodCall(method, parameters);
}

QString MethodCall::Name() const
{
    return QLatin1String(m_method->name);
}

int MethodCall::IndexOf(std::string_view name) const
{
    const auto &params = m_method->params;
    const auto it = std::find_if(params.begin(), params.end(),
                                 [name](const server::ParamInfo &p) { return name == p.name; });
    if (it == params.end())
        throw platform::Error(
            QStringLiteral("%1 has no parameter %2")
                .arg(Name(), QString::fromUtf8(name.data(), qsizetype(name.size()))));
    return int(it - params.begin());
}

QJsonValue MethodCall::Input(int index, std::initializer_list<ParamType> readableAs,
                             const char *accessor) const
{
    const auto &params = m_method->params;
    if (index < 0 || size_t(index) >= params.size())
        throw platform::Error(QStringLiteral("%1 has no parameter %2").arg(Name()).arg(index));
    const server::ParamInfo &param = params[size_t(index)];
    if (param.out)
        throw platform::Error(QStringLiteral("%1: %2 is an output, it has no input value")
                                  .arg(Name(), QLatin1String(param.name)));
    if (std::find(readableAs.begin(), readableAs.end(), param.type) == readableAs.end())
        throw platform::Error(QStringLiteral("%1: %2 is %3, it cannot be read with %4()")
                                  .arg(Name(), QLatin1String(param.name), ExpectedKind(param),
                                       QLatin1String(accessor)));
    return m_parameters.at(index);
}

QString MethodCall::String(int index) const
{
    return Input(index, {ParamType::String}, "String").toString();
}

qint32 MethodCall::Int(int index) const
{
    return qint32(Input(index, {ParamType::Integer}, "Int").toInteger());
}

qint64 MethodCall::Int64(int index) const
{
    return Input(index, {ParamType::Int64, ParamType::Integer}, "Int64").toInteger();
}

double MethodCall::Double(int index) const
{
    return Input(index, {ParamType::Double}, "Double").toDouble();
}

bool MethodCall::Bool(int index) const
{
    return Input(index, {ParamType::Boolean}, "Bool").toBool();
}

QJsonValue MethodCall::Object(int index) const
{
    return Input(index, {ParamType::Object}, "Object");
}

QString MethodCall::Callback(int index) const
{
    return Input(index, {ParamType::Callback}, "Callback")
        .toObject()
        .value(QStringLiteral("callback"))
        .toString();
}

} // namespace appserver
