#pragma once

#include "platform/columnlayout.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QPixmap>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class DataSet;
class Field;

// The roles the grid's model serves beyond Qt's own. Views, delegates and the header read
// only through these.
enum class GridRole : int {
    RawValue = Qt::UserRole, // the field's value (QVariant, null for a null value)
    SortKey,                 // number for numeric and date fields, text otherwise
    FilterText,              // what the header value filter compares: the display text, the
                             // value itself for picture and check-box cells
    CellKindRole,            // int(CellKind) of the column
    SourceRow,               // the row in the model, through any proxy
    // Header roles (horizontal headerData).
    Filterable,  // bool: the column has a filter button
    Searchable,  // bool: incremental search works on the column
    FilterActive // bool: a value filter is set on the column (served by the filter model)
};

inline constexpr int Role(GridRole role)
{
    return int(role);
}

// A table model over a DataSet, with one column per layout column. The model owns the
// DataSet; a newly loaded one is swapped in whole (SetDataSet) with one model reset, which is
// how a background load ends. Cells of fields the DataSet lacks are empty.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridModel(ColumnLayout layout, QObject *parent = nullptr);
    ~GridModel() override;

    // Takes the new rows; the previous DataSet is freed. Null leaves the grid empty.
    void SetDataSet(std::unique_ptr<DataSet> data);
    // The rows shown, for reading and for the owning window's own edits of values (followed
    // by RowsChanged); rows come and go only with a new DataSet. Null until one was set.
    DataSet *Data() const { return m_data.get(); }
    // Tells the views that values of these rows were changed in the DataSet in place.
    void RowsChanged(int firstRow, int lastRow);
    void AllRowsChanged();

    const ColumnLayout &Layout() const { return m_layout; }
    const GridColumn &Column(int column) const { return m_layout[size_t(column)]; }
    int ColumnOf(const QString &field) const; // the first column of that field, -1 if none
    const Field *FieldOf(int column) const { return m_fields[size_t(column)]; }

    // Cell access without QVariant, for sorting, filtering, summaries and export.
    QString DisplayText(int row, int column) const;
    QString FilterText(int row, int column) const;
    bool LessThan(int column, int leftRow, int rightRow) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::optional<qint64> IntValue(int row, int column) const;
    QVariant Decoration(int row, int column) const;
    Qt::Alignment Alignment(int column) const;
    const QPixmap &Picture(int slot) const;

    ColumnLayout m_layout;
    std::unique_ptr<DataSet> m_data;
    std::vector<const Field *> m_fields; // per column, null when the data lacks the field
    int m_rowCount = 0;
    // Pictures are drawn once per model: 0..5 status, 6 yes, 7 no, 8 has-picture.
    mutable std::array<QPixmap, 9> m_pictures;
    mutable std::optional<QCollator> m_collator;
};

} // namespace platform
