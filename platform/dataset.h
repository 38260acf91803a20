#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

// Column types of a table on the wire. Float is the floating-point field class that the
// list screens format; Currency is kept apart from it on purpose.
enum class FieldType {
    Integer,
    LargeInt,
    Float,
    Currency,
    String,
    Memo,
    Boolean,
    Date,
    DateTime,
    Blob
};

QString FieldTypeName(FieldType type);
std::optional<FieldType> FieldTypeFromName(std::string_view name);

class DataSet;

// One column of a DataSet: its description, its display format and its values, stored by
// column (numbers in one vector, text in one UTF-8 arena) so a large table loads without
// a QVariant per cell.
class Field
{
public:
    const QString &FieldName() const { return m_name; }
    FieldType DataType() const { return m_type; }
    int Size() const { return m_size; }
    int Index() const { return m_index; }
    // The class the client dataset would give this column ("TFloatField", "TCurrencyField", ...).
    QString ClassName() const;
    bool IsFloatField() const { return m_type == FieldType::Float; }
    bool IsNumeric() const;
    bool IsText() const { return m_type == FieldType::String || m_type == FieldType::Memo; }

    const QString &DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }

    // Values of the current record.
    bool IsNull() const;
    QVariant Value() const;
    qint64 AsLargeInt() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QString AsString() const;
    QByteArray AsBytes() const;
    QString DisplayText() const;

    // Changes to the current record; the dataset must be in edit state (DataSet::Edit).
    void SetValue(const QVariant &value);
    void SetAsInteger(qint64 value) { SetValue(QVariant(value)); }
    void SetAsFloat(double value) { SetValue(QVariant(value)); }
    void SetAsString(const QString &value) { SetValue(QVariant(value)); }
    void Clear() { SetValue(QVariant()); }

    // Values by row, without moving the cursor (for views and loaders).
    bool IsNullAt(int row) const { return m_null[size_t(row)] != 0; }
    QVariant ValueAt(int row) const;
    qint64 IntAt(int row) const;
    double FloatAt(int row) const;
    QString StringAt(int row) const;
    std::string_view Utf8At(int row) const;
    QByteArray BytesAt(int row) const;
    QString DisplayTextAt(int row, const QLocale &locale = QLocale()) const;

    // Loader API: append one value for a new row. Conversions follow the column type.
    void AppendNull();
    void AppendInt(qint64 value)
    {
        if (m_type == FieldType::Integer || m_type == FieldType::LargeInt) { // the hot path
            m_ints.push_back(value);
            m_null.push_back(0);
        } else {
            AppendIntSlow(value);
        }
    }
    void AppendDouble(double value)
    {
        if (m_type == FieldType::Float || m_type == FieldType::Currency) { // the hot path
            m_doubles.push_back(value);
            m_null.push_back(0);
        } else {
            AppendDoubleSlow(value);
        }
    }
    void AppendBool(bool value) { AppendInt(value ? 1 : 0); }
    void AppendUtf8(std::string_view text);
    void AppendBytes(const QByteArray &bytes);
    void AppendVariant(const QVariant &value);
    void Reserve(size_t rows, size_t textBytes = 0);
    int Count() const { return int(m_null.size()); }

private:
    friend class DataSet;
    Field(QString name, FieldType type, int size, int index, DataSet *owner);
    void StoreAt(int row, const QVariant &value);
    void AppendIntSlow(qint64 value);
    void AppendDoubleSlow(double value);
    bool UsesInts() const;
    bool UsesDoubles() const;

    QString m_name;
    FieldType m_type;
    int m_size;
    int m_index;
    DataSet *m_owner;
    QString m_displayFormat;

    struct Span
    {
        quint32 offset; // a column's text stays under 4 GiB
        quint32 length;
    };
    std::vector<qint64> m_ints;    // Integer, LargeInt, Boolean
    std::vector<double> m_doubles; // Float, Currency, Date, DateTime
    std::vector<Span> m_spans;     // String, Memo, Blob: slices of m_arena
    QByteArray m_arena;
    std::vector<quint8> m_null;
};

// A table of typed fields with a cursor: the client-side copy of a list the server sent.
// It is closed until fields are defined (or a table is loaded) and Open() is called.
class DataSet
{
public:
    enum class State { Inactive, Browse, Edit };

    DataSet();
    ~DataSet();
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    // Structure.
    Field &AddField(const QString &name, FieldType type, int size = 0);
    int FieldCount() const { return int(m_fields.size()); }
    Field &Fields(int index) const { return *m_fields[size_t(index)]; }
    Field *FindField(const QString &name) const;
    Field &FieldByName(const QString &name) const; // raises platform::Error when absent

    void Open();
    void Close();
    bool Active() const { return m_state != State::Inactive; }
    State CurrentState() const { return m_state; }

    // Rows. Loaders append one value to every field per row, then call EndAppend().
    int RecordCount() const { return m_rowCount; }
    void EndAppend(); // checks that every field has the same number of values
    void AppendEmptyRow();

    // Cursor.
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    int Row() const { return m_row; }       // 0-based current row, -1 when empty
    int RecNo() const { return m_row + 1; } // 1-based
    void SetRow(int row);
    bool Locate(const QString &fieldName, const QVariant &value);

    // Edit-and-post of the current record.
    void Edit();
    void Post();
    void Cancel();

private:
    friend class Field;
    void RequireEdit() const;
    void Remember(int field, const QVariant &oldValue);

    std::vector<std::unique_ptr<Field>> m_fields;
    int m_rowCount = 0;
    int m_row = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;
    std::vector<std::pair<int, QVariant>> m_undo; // values before the edit, for Cancel
};

} // namespace platform
