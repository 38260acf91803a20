#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>

namespace platform {
class JsonWriter;
}

namespace appserver {

// Parses a request body that must hold exactly one JSON value of any kind (null, a number,
// an object...). Raises RequestError(400) naming the fault otherwise.
QJsonValue ParseJsonBody(const QByteArray &body);

// Writes text in full: JsonWriter::String(QString) goes through a C string and would stop at
// an embedded U+0000.
void WriteJsonText(platform::JsonWriter &writer, const QString &text);
// Writes any small value; whole numbers keep all 64 bits, text is written in full.
void WriteJsonValue(platform::JsonWriter &writer, const QJsonValue &value);

} // namespace appserver
