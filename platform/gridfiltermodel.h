#pragma once

#include <QSet>
#include <QSortFilterProxyModel>
#include <QString>
#include <map>
#include <vector>

namespace platform {

class GridModel;

// The rows a grid shows: the model's rows that pass the header value filters, in the order
// of the sorted column. Works on row numbers and the model's cell access; nothing is copied.
class GridFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit GridFilterModel(GridModel &source, QObject *parent = nullptr);

    // Keeps the rows whose filter text in `column` is one of `values`.
    void SetValueFilter(int column, QSet<QString> values);
    void ClearValueFilter(int column);
    void ClearFilters();
    bool IsFiltered(int column) const { return m_filters.count(column) != 0; }
    QSet<QString> ValueFilter(int column) const;

    struct DistinctValue
    {
        QString text;
        int sourceRow; // a row that holds it
    };
    // The distinct filter texts of `column` among the rows that pass the other columns'
    // filters, sorted as the column sorts; at most `limit` of them (`more` tells whether
    // others exist).
    std::vector<DistinctValue> DistinctValues(int column, int limit, bool *more = nullptr) const;

    int SourceRow(int row) const;

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void FiltersChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool PassesFilters(int sourceRow, int skipColumn) const;
    void FilterChanged(int column);

    GridModel &m_source;
    std::map<int, QSet<QString>> m_filters;
};

} // namespace platform
