#pragma once

#include <QJsonValue>
#include <QString>

namespace server {
struct ParamInfo;
}

namespace appserver {

// Whether `value` is what a value of the parameter's type looks like on the wire: String a
// JSON string, Integer a whole number within 32 bits, Int64 a whole number, Double a number,
// Boolean true/false, an object its marshalled form of the declared class or null, a callback
// {"callback":"name"} or null, a stream a base64 string, a JSON array an array.
bool FitsType(const server::ParamInfo &param, const QJsonValue &value);

// For messages: what the parameter expects ("a whole number within 32 bits") ...
QString ExpectedKind(const server::ParamInfo &param);
// ... and what came instead ("the string \"12\"").
QString DescribeValue(const QJsonValue &value);

} // namespace appserver
