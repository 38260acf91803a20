#include "gridfiltermodel.h"

#include "platform/gridmodel.h"

#include <QHash>
#include <algorithm>

namespace platform {

GridFilterModel::GridFilterModel(GridModel &source, QObject *parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(&source);
    setDynamicSortFilter(true);
}

void GridFilterModel::SetValueFilter(int column, QSet<QString> values)
{
    m_filters[column] = std::move(values);
    FilterChanged(column);
}

void GridFilterModel::ClearValueFilter(int column)
{
    if (m_filters.erase(column) != 0)
        FilterChanged(column);
}

void GridFilterModel::ClearFilters()
{
    if (m_filters.empty())
        return;
    m_filters.clear();
    invalidate();
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit FiltersChanged();
}

QSet<QString> GridFilterModel::ValueFilter(int column) const
{
    const auto it = m_filters.find(column);
    return it == m_filters.end() ? QSet<QString>() : it->second;
}

void GridFilterModel::FilterChanged(int column)
{
    // One layout change for the whole new set of rows: filtering out scattered rows one range
    // at a time costs the views a removal each, which on a big table takes seconds.
    invalidate();
    emit headerDataChanged(Qt::Horizontal, column, column);
    emit FiltersChanged();
}

std::vector<GridFilterModel::DistinctValue> GridFilterModel::DistinctValues(int column, int limit,
                                                                            bool *more) const
{
    // One row stands for each distinct text, so the list sorts as the column does.
    QHash<QString, int> firstRow;
    bool truncated = false;
    const int rows = m_source.rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!PassesFilters(row, column))
            continue;
        const QString text = m_source.FilterText(row, column);
        if (firstRow.contains(text))
            continue;
        if (firstRow.size() >= limit) {
            truncated = true;
            break;
        }
        firstRow.insert(text, row);
    }
    std::vector<std::pair<QString, int>> entries;
    entries.reserve(size_t(firstRow.size()));
    for (auto it = firstRow.cbegin(); it != firstRow.cend(); ++it)
        entries.emplace_back(it.key(), it.value());
    std::sort(entries.begin(), entries.end(), [&](const auto &a, const auto &b) {
        if (m_source.LessThan(column, a.second, b.second))
            return true;
        if (m_source.LessThan(column, b.second, a.second))
            return false;
        return a.first < b.first;
    });
    std::vector<DistinctValue> values;
    values.reserve(entries.size());
    for (auto &entry : entries)
        values.push_back({std::move(entry.first), entry.second});
    if (more)
        *more = truncated;
    return values;
}

int GridFilterModel::SourceRow(int row) const
{
    return mapToSource(index(row, 0)).row();
}

QVariant GridFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Role(GridRole::FilterActive))
        return orientation == Qt::Horizontal && IsFiltered(section);
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

bool GridFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return m_filters.empty() || PassesFilters(sourceRow, -1);
}

bool GridFilterModel::PassesFilters(int sourceRow, int skipColumn) const
{
    for (const auto &[column, values] : m_filters)
        if (column != skipColumn && !values.contains(m_source.FilterText(sourceRow, column)))
            return false;
    return true;
}

bool GridFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    return m_source.LessThan(left.column(), left.row(), right.row());
}

} // namespace platform
