#include "dataset.h"

#include "daynumber.h"
#include "error.h"
#include "numberformat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {
namespace {

struct TypeName
{
    FieldType type;
    std::string_view name;
    const char *className;
};

constexpr std::array<TypeName, 10> kTypes{{
    {FieldType::Integer, "Integer", "TIntegerField"},
    {FieldType::LargeInt, "LargeInt", "TLargeintField"},
    {FieldType::Float, "Float", "TFloatField"},
    {FieldType::Currency, "Currency", "TCurrencyField"},
    {FieldType::String, "String", "TWideStringField"},
    {FieldType::Memo, "Memo", "TWideMemoField"},
    {FieldType::Boolean, "Boolean", "TBooleanField"},
    {FieldType::Date, "Date", "TDateField"},
    {FieldType::DateTime, "DateTime", "TDateTimeField"},
    {FieldType::Blob, "Blob", "TBlobField"},
}};

const TypeName &Describe(FieldType type)
{
    return kTypes[size_t(type)];
}

} // namespace

QString FieldTypeName(FieldType type)
{
    return QString::fromLatin1(Describe(type).name.data(), qsizetype(Describe(type).name.size()));
}

std::optional<FieldType> FieldTypeFromName(std::string_view name)
{
    for (const auto &t : kTypes)
        if (t.name == name)
            return t.type;
    return std::nullopt;
}

Field::Field(QString name, FieldType type, int size, int index, DataSet *owner)
    : m_name(std::move(name)), m_type(type), m_size(size), m_index(index), m_owner(owner)
{
}

QString Field::ClassName() const
{
    return QString::fromLatin1(Describe(m_type).className);
}

bool Field::IsNumeric() const
{
    return m_type == FieldType::Integer || m_type == FieldType::LargeInt ||
           m_type == FieldType::Float || m_type == FieldType::Currency;
}

bool Field::UsesInts() const
{
    return m_type == FieldType::Integer || m_type == FieldType::LargeInt ||
           m_type == FieldType::Boolean;
}

bool Field::UsesDoubles() const
{
    return m_type == FieldType::Float || m_type == FieldType::Currency ||
           m_type == FieldType::Date || m_type == FieldType::DateTime;
}

void Field::Reserve(size_t rows, size_t textBytes)
{
    m_null.reserve(rows);
    if (UsesInts())
        m_ints.reserve(rows);
    else if (UsesDoubles())
        m_doubles.reserve(rows);
    else {
        m_spans.reserve(rows);
        if (textBytes)
            m_arena.reserve(qsizetype(textBytes));
    }
}

void Field::AppendNull()
{
    m_null.push_back(1);
    if (UsesInts())
        m_ints.push_back(0);
    else if (UsesDoubles())
        m_doubles.push_back(0);
    else
        m_spans.push_back({quint32(m_arena.size()), 0});
}

void Field::AppendIntSlow(qint64 value)
{
    if (UsesInts()) {
        m_ints.push_back(m_type == FieldType::Boolean ? (value != 0) : value);
    } else if (UsesDoubles()) {
        m_doubles.push_back(double(value));
    } else {
        AppendUtf8(QByteArray::number(value).toStdString());
        return;
    }
    m_null.push_back(0);
}

void Field::AppendDoubleSlow(double value)
{
    if (UsesDoubles()) {
        m_doubles.push_back(value);
    } else if (UsesInts()) {
        if (!std::isfinite(value) || value != std::trunc(value))
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                                      .arg(value)
                                      .arg(m_name));
        m_ints.push_back(m_type == FieldType::Boolean ? (value != 0) : qint64(value));
    } else {
        char buf[32];
        const auto res = std::to_chars(buf, buf + sizeof buf, value);
        AppendUtf8(std::string_view(buf, size_t(res.ptr - buf)));
        return;
    }
    m_null.push_back(0);
}

void Field::AppendUtf8(std::string_view text)
{
    if (UsesInts() || UsesDoubles()) {
        AppendVariant(QVariant(QString::fromUtf8(text.data(), qsizetype(text.size()))));
        return;
    }
    if (quint64(m_arena.size()) + text.size() > std::numeric_limits<quint32>::max())
        throw Error(QStringLiteral("Field '%1': too much text for one column").arg(m_name));
    m_spans.push_back({quint32(m_arena.size()), quint32(text.size())});
    m_arena.append(text.data(), qsizetype(text.size()));
    m_null.push_back(0);
}

void Field::AppendBytes(const QByteArray &bytes)
{
    AppendUtf8(std::string_view(bytes.constData(), size_t(bytes.size())));
}

void Field::AppendVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid()) {
        AppendNull();
        return;
    }
    if (UsesInts()) {
        bool ok = false;
        const qint64 v = value.typeId() == QMetaType::Bool ? value.toBool() : value.toLongLong(&ok);
        if (!ok && value.typeId() != QMetaType::Bool) {
            const double d = value.toDouble(&ok);
            if (!ok || d != std::trunc(d))
                throw ConversionError(
                    QStringLiteral("'%1' is not a valid integer value for field '%2'")
                        .arg(value.toString(), m_name));
            m_ints.push_back(qint64(d));
        } else {
            m_ints.push_back(m_type == FieldType::Boolean ? (v != 0) : v);
        }
        m_null.push_back(0);
    } else if (UsesDoubles()) {
        bool ok = false;
        double d = 0;
        if (value.typeId() == QMetaType::QDate)
            d = DateToDayNumber(value.toDate()), ok = true;
        else if (value.typeId() == QMetaType::QDateTime)
            d = DateTimeToDayNumber(value.toDateTime()), ok = true;
        else
            d = value.toDouble(&ok);
        if (!ok)
            throw ConversionError(
                QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                    .arg(value.toString(), m_name));
        m_doubles.push_back(d);
        m_null.push_back(0);
    } else if (m_type == FieldType::Blob) {
        AppendBytes(value.toByteArray());
    } else {
        AppendBytes(value.toString().toUtf8());
    }
}

bool Field::IsNull() const
{
    return m_owner->m_row < 0 || IsNullAt(m_owner->m_row);
}

QVariant Field::Value() const
{
    return m_owner->m_row < 0 ? QVariant() : ValueAt(m_owner->m_row);
}

qint64 Field::AsLargeInt() const
{
    return m_owner->m_row < 0 ? 0 : IntAt(m_owner->m_row);
}

int Field::AsInteger() const
{
    return int(AsLargeInt());
}

double Field::AsFloat() const
{
    return m_owner->m_row < 0 ? 0.0 : FloatAt(m_owner->m_row);
}

bool Field::AsBoolean() const
{
    return AsLargeInt() != 0;
}

QString Field::AsString() const
{
    return m_owner->m_row < 0 ? QString() : StringAt(m_owner->m_row);
}

QByteArray Field::AsBytes() const
{
    return m_owner->m_row < 0 ? QByteArray() : BytesAt(m_owner->m_row);
}

QString Field::DisplayText() const
{
    return m_owner->m_row < 0 ? QString() : DisplayTextAt(m_owner->m_row);
}

QVariant Field::ValueAt(int row) const
{
    if (IsNullAt(row))
        return QVariant();
    switch (m_type) {
    case FieldType::Integer:
        return QVariant(int(m_ints[size_t(row)]));
    case FieldType::LargeInt:
        return QVariant(m_ints[size_t(row)]);
    case FieldType::Boolean:
        return QVariant(m_ints[size_t(row)] != 0);
    case FieldType::Float:
    case FieldType::Currency:
        return QVariant(m_doubles[size_t(row)]);
    case FieldType::Date:
        return QVariant(DayNumberToDate(m_doubles[size_t(row)]));
    case FieldType::DateTime:
        return QVariant(DayNumberToDateTime(m_doubles[size_t(row)]));
    case FieldType::Blob:
        return QVariant(BytesAt(row));
    case FieldType::String:
    case FieldType::Memo:
        return QVariant(StringAt(row));
    }
    return QVariant();
}

qint64 Field::IntAt(int row) const
{
    if (IsNullAt(row))
        return 0;
    if (UsesInts())
        return m_ints[size_t(row)];
    if (UsesDoubles())
        return qint64(std::llround(m_doubles[size_t(row)]));
    bool ok = false;
    const qint64 v = StringAt(row).trimmed().toLongLong(&ok);
    if (!ok)
        throw ConversionError(
            QStringLiteral("'%1' is not a valid integer value").arg(StringAt(row)));
    return v;
}

double Field::FloatAt(int row) const
{
    if (IsNullAt(row))
        return 0.0;
    if (UsesDoubles())
        return m_doubles[size_t(row)];
    if (UsesInts())
        return double(m_ints[size_t(row)]);
    bool ok = false;
    const double v = StringAt(row).trimmed().toDouble(&ok);
    if (!ok)
        throw ConversionError(
            QStringLiteral("'%1' is not a valid floating point value").arg(StringAt(row)));
    return v;
}

std::string_view Field::Utf8At(int row) const
{
    if (m_spans.empty() || IsNullAt(row))
        return {};
    const Span &s = m_spans[size_t(row)];
    return std::string_view(m_arena.constData() + s.offset, size_t(s.length));
}

QString Field::StringAt(int row) const
{
    if (IsNullAt(row))
        return QString();
    if (IsText()) {
        const std::string_view v = Utf8At(row);
        return QString::fromUtf8(v.data(), qsizetype(v.size()));
    }
    return DisplayTextAt(row);
}

QByteArray Field::BytesAt(int row) const
{
    const std::string_view v = Utf8At(row);
    return QByteArray(v.data(), qsizetype(v.size()));
}

QString Field::DisplayTextAt(int row, const QLocale &locale) const
{
    if (IsNullAt(row))
        return QString();
    switch (m_type) {
    case FieldType::Integer:
    case FieldType::LargeInt:
        return m_displayFormat.isEmpty()
                   ? QString::number(m_ints[size_t(row)])
                   : FormatFloat(m_displayFormat, double(m_ints[size_t(row)]), locale);
    case FieldType::Float:
        return m_displayFormat.isEmpty()
                   ? FormatGeneral(m_doubles[size_t(row)], locale)
                   : FormatFloat(m_displayFormat, m_doubles[size_t(row)], locale);
    case FieldType::Currency:
        return FormatFloat(m_displayFormat.isEmpty() ? QStringLiteral(",0.00") : m_displayFormat,
                           m_doubles[size_t(row)], locale);
    case FieldType::Boolean:
        return m_ints[size_t(row)] ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Date:
        return DayNumberToDate(m_doubles[size_t(row)]).toString(QStringLiteral("dd.MM.yyyy"));
    case FieldType::DateTime: {
        const QDateTime dt = DayNumberToDateTime(m_doubles[size_t(row)]);
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    case FieldType::Blob:
        return QStringLiteral("(BLOB)");
    case FieldType::String:
    case FieldType::Memo: {
        const std::string_view v = Utf8At(row);
        return QString::fromUtf8(v.data(), qsizetype(v.size()));
    }
    }
    return QString();
}

void Field::StoreAt(int row, const QVariant &value)
{
    // Append the new value at the end, then move it into place: one conversion path.
    AppendVariant(value);
    const size_t last = m_null.size() - 1;
    m_null[size_t(row)] = m_null[last];
    m_null.pop_back();
    if (UsesInts()) {
        m_ints[size_t(row)] = m_ints[last];
        m_ints.pop_back();
    } else if (UsesDoubles()) {
        m_doubles[size_t(row)] = m_doubles[last];
        m_doubles.pop_back();
    } else {
        m_spans[size_t(row)] = m_spans[last];
        m_spans.pop_back();
    }
}

void Field::SetValue(const QVariant &value)
{
    m_owner->RequireEdit();
    const int row = m_owner->m_row;
    m_owner->Remember(m_index, ValueAt(row));
    StoreAt(row, value);
}

DataSet::DataSet() = default;
DataSet::~DataSet() = default;

Field &DataSet::AddField(const QString &name, FieldType type, int size)
{
    Q_ASSERT_X(m_rowCount == 0, "DataSet::AddField", "fields are defined before rows are loaded");
    m_fields.push_back(
        std::unique_ptr<Field>(new Field(name, type, size, int(m_fields.size()), this)));
    return *m_fields.back();
}

Field *DataSet::FindField(const QString &name) const
{
    for (const auto &f : m_fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field &DataSet::FieldByName(const QString &name) const
{
    if (Field *f = FindField(name))
        return *f;
    throw Error(QStringLiteral("Field '%1' not found").arg(name));
}

void DataSet::Open()
{
    m_state = State::Browse;
    First();
}

void DataSet::Close()
{
    m_state = State::Inactive;
    m_fields.clear();
    m_rowCount = 0;
    m_row = -1;
    m_eof = m_bof = true;
    m_undo.clear();
}

void DataSet::EndAppend()
{
    const int count = m_fields.empty() ? m_rowCount : m_fields.front()->Count();
    for (const auto &f : m_fields)
        if (f->Count() != count)
            throw ProtocolError(QStringLiteral("Field '%1' has %2 values, expected %3")
                                    .arg(f->FieldName())
                                    .arg(f->Count())
                                    .arg(count));
    m_rowCount = count;
    if (Active() && m_row < 0)
        First();
}

void DataSet::AppendEmptyRow()
{
    for (const auto &f : m_fields)
        f->AppendNull();
    ++m_rowCount;
}

void DataSet::First()
{
    m_row = m_rowCount > 0 ? 0 : -1;
    m_bof = true;
    m_eof = m_rowCount == 0;
}

void DataSet::Next()
{
    if (m_row + 1 < m_rowCount) {
        ++m_row;
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void DataSet::Prior()
{
    if (m_row > 0) {
        --m_row;
        m_eof = false;
    } else {
        m_bof = true;
    }
}

void DataSet::Last()
{
    m_row = m_rowCount - 1;
    m_eof = true;
    m_bof = m_rowCount == 0;
}

void DataSet::SetRow(int row)
{
    Q_ASSERT(row >= 0 && row < m_rowCount);
    m_row = row;
    m_bof = m_eof = false;
}

bool DataSet::Locate(const QString &fieldName, const QVariant &value)
{
    const Field &field = FieldByName(fieldName);
    for (int row = 0; row < m_rowCount; ++row) {
        bool match = false;
        if (value.isNull())
            match = field.IsNullAt(row);
        else if (field.IsNullAt(row))
            match = false;
        else if (field.IsText())
            match = field.StringAt(row) == value.toString();
        else if (field.DataType() == FieldType::Blob)
            match = field.BytesAt(row) == value.toByteArray();
        else
            match = field.FloatAt(row) == value.toDouble();
        if (match) {
            SetRow(row);
            return true;
        }
    }
    return false;
}

void DataSet::RequireEdit() const
{
    if (m_state != State::Edit)
        throw Error(QStringLiteral("Dataset not in edit or insert mode"));
}

void DataSet::Remember(int field, const QVariant &oldValue)
{
    for (const auto &entry : m_undo)
        if (entry.first == field)
            return; // the first value before the edit is the one to restore
    m_undo.emplace_back(field, oldValue);
}

void DataSet::Edit()
{
    if (m_state == State::Inactive)
        throw Error(QStringLiteral("Cannot perform this operation on a closed dataset"));
    if (m_row < 0)
        throw Error(QStringLiteral("Cannot perform this operation on an empty dataset"));
    m_state = State::Edit;
    m_undo.clear();
}

void DataSet::Post()
{
    if (m_state == State::Edit)
        m_state = State::Browse;
    m_undo.clear();
}

void DataSet::Cancel()
{
    if (m_state != State::Edit)
        return;
    for (const auto &[field, value] : m_undo)
        m_fields[size_t(field)]->StoreAt(m_row, value);
    m_undo.clear();
    m_state = State::Browse;
}

} // namespace platform
