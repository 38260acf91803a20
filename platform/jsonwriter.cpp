#include "jsonwriter.h"

#include "dataset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

void JsonWriter::Separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first)
        m_out.append(',');
    m_first = false;
}

void JsonWriter::Key(std::string_view key)
{
    Separate();
    Quoted(key);
    m_out.append(':');
    m_afterKey = true;
}

void JsonWriter::Null()
{
    Separate();
    m_out.append("null", 4);
}

void JsonWriter::Bool(bool value)
{
    Separate();
    if (value)
        m_out.append("true", 4);
    else
        m_out.append("false", 5);
}

void JsonWriter::Int(qint64 value)
{
    Separate();
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    m_out.append(buf, qsizetype(res.ptr - buf));
}

void JsonWriter::Double(double value)
{
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    Separate();
    char buf[32];
    // Prices and amounts mostly have at most two decimals: write those from an integer count
    // of hundredths when that reads back as the same double, which is much faster than the
    // general shortest form.
    const double hundredths = std::nearbyint(value * 100.0);
    if (std::abs(hundredths) < 9.0e15 && hundredths / 100.0 == value) {
        const qint64 n = qint64(hundredths);
        const quint64 a = quint64(n < 0 ? -n : n);
        char *p = buf;
        if (n < 0)
            *p++ = '-';
        p = std::to_chars(p, buf + sizeof buf, a / 100).ptr;
        const unsigned cents = unsigned(a % 100);
        if (cents) {
            *p++ = '.';
            *p++ = char('0' + cents / 10);
            if (cents % 10)
                *p++ = char('0' + cents % 10);
        }
        m_out.append(buf, qsizetype(p - buf));
        return;
    }
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    m_out.append(buf, qsizetype(res.ptr - buf));
}

void JsonWriter::String(std::string_view utf8)
{
    Separate();
    Quoted(utf8);
}

void JsonWriter::Quoted(std::string_view s)
{
    static constexpr char kHex[] = "0123456789abcdef";
    m_out.append('"');
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_out.append(s.data() + start, qsizetype(i - start));
        start = i + 1;
        switch (c) {
        case '"':
            m_out.append("\\\"", 2);
            break;
        case '\\':
            m_out.append("\\\\", 2);
            break;
        case '\n':
            m_out.append("\\n", 2);
            break;
        case '\r':
            m_out.append("\\r", 2);
            break;
        case '\t':
            m_out.append("\\t", 2);
            break;
        default: {
            const char esc[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            m_out.append(esc, 6);
        }
        }
    }
    m_out.append(s.data() + start, qsizetype(s.size() - start));
    m_out.append('"');
}

void JsonWriter::Value(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        Null();
        break;
    case QJsonValue::Bool:
        Bool(value.toBool());
        break;
    case QJsonValue::Double: {
        // Whole numbers (also those held exactly as 64-bit integers) are written as integers.
        constexpr qint64 kNotWhole = std::numeric_limits<qint64>::min();
        const qint64 whole = value.toInteger(kNotWhole);
        if (whole != kNotWhole)
            Int(whole);
        else
            Double(value.toDouble());
        break;
    }
    case QJsonValue::String:
        String(value.toString());
        break;
    case QJsonValue::Array:
        Raw(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString());
        break;
    case QJsonValue::Object:
        Raw(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString());
        break;
    }
}

void JsonWriter::Raw(std::string_view json)
{
    Separate();
    m_out.append(json.data(), qsizetype(json.size()));
}

void JsonWriter::Table(const DataSet &table)
{
    BeginObject();
    Key("columns");
    BeginArray();
    for (int c = 0; c < table.FieldCount(); ++c) {
        const Field &f = table.Fields(c);
        BeginObject();
        Key("name");
        String(f.FieldName());
        Key("type");
        String(FieldTypeName(f.DataType()));
        Key("size");
        Int(f.Size());
        EndObject();
    }
    EndArray();
    Key("rows");
    BeginArray();
    const int rows = table.RecordCount();
    const int cols = table.FieldCount();
    // Rough reservation: keeps the buffer from doubling many times for large tables.
    m_out.reserve(m_out.size() + qsizetype(rows) * cols * 8);
    for (int r = 0; r < rows; ++r) {
        BeginArray();
        for (int c = 0; c < cols; ++c) {
            const Field &f = table.Fields(c);
            if (f.IsNullAt(r)) {
                Null();
                continue;
            }
            switch (f.DataType()) {
            case FieldType::Integer:
            case FieldType::LargeInt:
                Int(f.IntAt(r));
                break;
            case FieldType::Boolean:
                Bool(f.IntAt(r) != 0);
                break;
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::Date:
            case FieldType::DateTime:
                Double(f.FloatAt(r));
                break;
            case FieldType::String:
            case FieldType::Memo:
                String(f.Utf8At(r));
                break;
            case FieldType::Blob:
                String(f.BytesAt(r).toBase64().toStdString());
                break;
            }
        }
        EndArray();
    }
    EndArray();
    EndObject();
}

} // namespace platform
