#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <string_view>

namespace platform {

class DataSet;

// Appends JSON text to one buffer. Used for the hot path (tables) and for whole
// request and answer frames, so a large table is written once, without a DOM.
class JsonWriter
{
public:
    explicit JsonWriter(QByteArray &out) : m_out(out) {}

    void BeginArray()
    {
        Separate();
        m_out.append('[');
        m_first = true;
    }
    void EndArray()
    {
        m_out.append(']');
        m_first = false;
    }
    void BeginObject()
    {
        Separate();
        m_out.append('{');
        m_first = true;
    }
    void EndObject()
    {
        m_out.append('}');
        m_first = false;
    }
    void Key(std::string_view key);

    void Null();
    void Bool(bool value);
    void Int(qint64 value);
    void Double(double value); // shortest form that reads back the same; NaN and infinity as null
    void String(std::string_view utf8);
    void String(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        String(std::string_view(utf8.constData(), size_t(utf8.size()))); // keeps embedded NULs
    }
    void Value(const QJsonValue &value); // a small value built with QJsonValue
    void Raw(std::string_view json);     // already encoded JSON
    // {"columns":[...],"rows":[[...],...]}
    void Table(const DataSet &table);

private:
    void Separate();
    void Quoted(std::string_view utf8);

    QByteArray &m_out;
    bool m_first = true;
    bool m_afterKey = false;
};

} // namespace platform
