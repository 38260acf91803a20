#pragma once

#include "platform/dataset.h"

#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace appserver::orders {

// One column of an answer table: its wire name and type, and how a row gives its value
// (a null QVariant sends null). Tables are declared as lists of these, one line per column,
// in the order the client's grids list them.
template <class Row> struct ColumnOf
{
    const char *name;
    platform::FieldType type;
    int size;
    std::function<QVariant(const Row &)> value;
};

template <class Row>
std::unique_ptr<platform::DataSet> BuildTable(const std::vector<ColumnOf<Row>> &columns,
                                              const std::vector<Row> &rows)
{
    auto table = std::make_unique<platform::DataSet>();
    for (const ColumnOf<Row> &c : columns)
        table->AddField(QString::fromLatin1(c.name), c.type, c.size);
    for (const Row &row : rows) {
        for (size_t i = 0; i < columns.size(); ++i)
            table->Fields(int(i)).AppendVariant(columns[i].value(row));
    }
    table->Open();
    table->EndAppend();
    return table;
}

} // namespace appserver::orders
