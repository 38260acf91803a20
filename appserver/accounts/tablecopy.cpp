#include "tablecopy.h"

#include "platform/dataset.h"
#include "platform/error.h"

#include <algorithm>

namespace appserver::accounts {

using platform::FieldType;

std::unique_ptr<platform::DataSet> CopyRows(const platform::DataSet &source,
                                            const std::vector<int> &rows, const QStringList &names,
                                            int columnCount)
{
    const int count =
        columnCount < 0 ? source.FieldCount() : std::min(columnCount, source.FieldCount());
    if (!names.isEmpty() && names.size() != count)
        throw platform::Error(
            QStringLiteral("%1 column names for %2 columns").arg(names.size()).arg(count));
    auto table = std::make_unique<platform::DataSet>();
    for (int c = 0; c < count; ++c) {
        const platform::Field &from = source.Fields(c);
        table->AddField(names.isEmpty() ? from.FieldName() : names.at(c), from.DataType(),
                        from.Size());
    }
    for (int c = 0; c < count; ++c) {
        const platform::Field &from = source.Fields(c);
        platform::Field &to = table->Fields(c);
        to.Reserve(rows.size());
        for (const int row : rows) {
            if (from.IsNullAt(row)) {
                to.AppendNull();
                continue;
            }
            switch (from.DataType()) {
            case FieldType::Integer:
            case FieldType::LargeInt:
            case FieldType::Boolean:
                to.AppendInt(from.IntAt(row));
                break;
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::Date:
            case FieldType::DateTime:
                to.AppendDouble(from.FloatAt(row));
                break;
            case FieldType::String:
            case FieldType::Memo:
                to.AppendUtf8(from.Utf8At(row));
                break;
            case FieldType::Blob:
                to.AppendBytes(from.BytesAt(row));
                break;
            }
        }
    }
    table->Open();
    table->EndAppend();
    return table;
}

std::unique_ptr<platform::DataSet> Renamed(const platform::DataSet &source,
                                           const QStringList &names)
{
    std::vector<int> rows(size_t(source.RecordCount()));
    for (int i = 0; i < source.RecordCount(); ++i)
        rows[size_t(i)] = i;
    return CopyRows(source, rows, names);
}

} // namespace appserver::accounts
