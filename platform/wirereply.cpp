#include "wirereply.h"

#include "dataset.h"
#include "error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <limits>
#include <simdjson.h>

namespace platform {
namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

QString KindName(element_type t)
{
    switch (t) {
    case element_type::ARRAY:
        return QStringLiteral("array");
    case element_type::OBJECT:
        return QStringLiteral("object");
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE:
        return QStringLiteral("number");
    case element_type::STRING:
        return QStringLiteral("string");
    case element_type::BOOL:
        return QStringLiteral("boolean");
    case element_type::NULL_VALUE:
        return QStringLiteral("null");
    }
    return QStringLiteral("value");
}

[[noreturn]] void Mismatch(const element &e, const char *wanted, int index)
{
    throw ConversionError(QStringLiteral("Result %1: expected %2, got %3")
                              .arg(index)
                              .arg(QLatin1String(wanted), KindName(e.type())));
}

QString ToQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// One cell into its column; the JSON kind must suit the column's type.
void AppendCell(Field &field, const element &cell)
{
    switch (cell.type()) {
    case element_type::NULL_VALUE:
        field.AppendNull();
        return;
    case element_type::INT64:
        field.AppendInt(int64_t(cell));
        return;
    case element_type::UINT64:
        field.AppendDouble(double(uint64_t(cell)));
        return;
    case element_type::DOUBLE:
        field.AppendDouble(double(cell));
        return;
    case element_type::BOOL:
        field.AppendBool(bool(cell));
        return;
    case element_type::STRING: {
        const std::string_view s = cell.get_string().value_unsafe();
        if (field.DataType() == FieldType::Blob) {
            auto decoded = QByteArray::fromBase64Encoding(
                QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                throw ConversionError(
                    QStringLiteral("Field '%1': invalid base64").arg(field.FieldName()));
            field.AppendBytes(*decoded);
        } else {
            field.AppendUtf8(s);
        }
        return;
    }
    case element_type::ARRAY:
    case element_type::OBJECT:
        throw ConversionError(QStringLiteral("Field '%1': a cell cannot be %2")
                                  .arg(field.FieldName(), KindName(cell.type())));
    }
}

std::unique_ptr<DataSet> TableFrom(const element &table)
{
    auto ds = std::make_unique<DataSet>();
    if (table.is_null()) {
        ds->Open();
        return ds;
    }
    simdjson::dom::array columns;
    simdjson::dom::array rows;
    if (table["columns"].get(columns) || table["rows"].get(rows))
        throw ProtocolError(QStringLiteral("A table needs \"columns\" and \"rows\" arrays"));
    for (element col : columns) {
        std::string_view name;
        std::string_view type;
        if (col["name"].get(name) || col["type"].get(type))
            throw ProtocolError(QStringLiteral("A column needs a name and a type"));
        const auto fieldType = FieldTypeFromName(type);
        if (!fieldType)
            throw ProtocolError(QStringLiteral("Unknown column type '%1'").arg(ToQString(type)));
        int64_t size = 0;
        if (col["size"].get(size))
            size = 0;
        ds->AddField(ToQString(name), *fieldType, int(size));
    }
    const int fieldCount = ds->FieldCount();
    const size_t rowCount = rows.size();
    for (int c = 0; c < fieldCount; ++c)
        ds->Fields(c).Reserve(rowCount);
    for (element row : rows) {
        simdjson::dom::array cells;
        if (row.get(cells))
            throw ProtocolError(QStringLiteral("A table row must be an array"));
        int c = 0;
        for (element cell : cells) {
            if (c >= fieldCount)
                throw ProtocolError(QStringLiteral("A table row has more cells than columns"));
            AppendCell(ds->Fields(c++), cell);
        }
        if (c != fieldCount)
            throw ProtocolError(QStringLiteral("A table row has fewer cells than columns"));
    }
    ds->Open();
    ds->EndAppend();
    return ds;
}

// The parser wants readable padding after the text: use the buffer's spare capacity, making
// room (one copy) only when it has too little.
simdjson::dom::element ParseInPlace(simdjson::dom::parser &parser, QByteArray &body,
                                    const char *what)
{
    if (body.capacity() - body.size() < qsizetype(simdjson::SIMDJSON_PADDING))
        body.reserve(body.size() + qsizetype(simdjson::SIMDJSON_PADDING));
    element doc;
    if (auto err = parser.parse(body.constData(), size_t(body.size()), false).get(doc))
        throw ProtocolError(
            QStringLiteral("%1 is not JSON: %2")
                .arg(QLatin1String(what), QLatin1String(simdjson::error_message(err))));
    return doc;
}

} // namespace

struct WireReply::Impl
{
    QByteArray body; // parsed in place: must outlive the parser's view of it
    simdjson::dom::parser parser;
    simdjson::dom::array results;

    element At(int index) const
    {
        element e;
        if (results.at(size_t(index)).get(e))
            throw ProtocolError(QStringLiteral("The answer has no result %1").arg(index));
        return e;
    }
};

WireReply::WireReply(QByteArray body) : d(std::make_unique<Impl>())
{
    d->body = std::move(body);
    const element doc = ParseInPlace(d->parser, d->body, "The answer");
    if (doc["result"].get(d->results))
        throw ProtocolError(QStringLiteral("The answer has no \"result\" array"));
}

WireReply::~WireReply() = default;

int WireReply::Count() const
{
    return int(d->results.size());
}

bool WireReply::IsNull(int index) const
{
    return d->At(index).is_null();
}

QString WireReply::String(int index) const
{
    const element e = d->At(index);
    if (e.is_null())
        return QString();
    std::string_view s;
    if (e.get(s))
        Mismatch(e, "a string", index);
    return ToQString(s);
}

qint64 WireReply::Int(int index) const
{
    const element e = d->At(index);
    int64_t v = 0;
    if (e.get(v)) {
        double dv = 0;
        if (e.get(dv) || dv != std::trunc(dv) || std::abs(dv) > 9.2e18)
            Mismatch(e, "an integer", index);
        v = int64_t(dv);
    }
    return v;
}

qint32 WireReply::Int32(int index) const
{
    const qint64 v = Int(index);
    if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        throw ConversionError(
            QStringLiteral("Result %1: %2 does not fit a 32-bit integer").arg(index).arg(v));
    return qint32(v);
}

double WireReply::Double(int index) const
{
    const element e = d->At(index);
    if (e.is_null())
        return 0.0;
    double v = 0;
    if (e.get(v))
        Mismatch(e, "a number", index);
    return v;
}

bool WireReply::Bool(int index) const
{
    const element e = d->At(index);
    bool v = false;
    if (e.get(v))
        Mismatch(e, "a boolean", index);
    return v;
}

QByteArray WireReply::Stream(int index) const
{
    const element e = d->At(index);
    if (e.is_null())
        return QByteArray();
    std::string_view s;
    if (e.get(s))
        Mismatch(e, "a base64 string", index);
    auto decoded =
        QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw ConversionError(QStringLiteral("Result %1: invalid base64").arg(index));
    return *decoded;
}

QJsonValue WireReply::Json(int index) const
{
    const element e = d->At(index);
    if (e.is_null())
        return QJsonValue(QJsonValue::Null);
    const std::string text = simdjson::minify(e);
    QJsonParseError error{};
    // Wrap in an array so scalars parse too.
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray("[") + QByteArray::fromStdString(text) + "]", &error);
    if (error.error != QJsonParseError::NoError)
        throw ProtocolError(error.errorString());
    return doc.array().at(0);
}

std::unique_ptr<DataSet> WireReply::Table(int index) const
{
    const element e = d->At(index);
    if (!e.is_null() && !e.is_object())
        Mismatch(e, "a table", index);
    return TableFrom(e);
}

std::unique_ptr<DataSet> DecodeTable(QByteArray json)
{
    simdjson::dom::parser parser;
    return TableFrom(ParseInPlace(parser, json, "The table"));
}

} // namespace platform
