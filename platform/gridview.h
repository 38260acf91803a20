#pragma once

#include "platform/columnlayout.h"
#include "platform/gridappearance.h"
#include "platform/griddelegate.h"
#include "platform/gridfooter.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QMenu;
class QModelIndex;
class QTableView;
class QToolButton;

namespace platform {

class DataSet;
class GridCellDelegate;
class GridFilterModel;
class GridHeader;
class GridModel;
class GridTable;

// The grid every list of the program shows its rows in: a read-only table over a DataSet
// with whole-row selection, fixed row heights, incremental search, header value filters, a
// column chooser, a footer with summaries, picture and check-box cells, one optional
// custom-drawn column, best fit and the proportional width rule. Rows are named by their
// DataSet row ("source row") whatever the filter and sort order on screen.
class GridView : public QWidget
{
    Q_OBJECT

public:
    explicit GridView(ColumnLayout layout, QWidget *parent = nullptr);
    ~GridView() override;

    // Data. A background load ends by handing its DataSet over; the previous one is freed.
    void SetDataSet(std::unique_ptr<DataSet> data);
    DataSet *Data() const; // null before the first load
    GridModel &Model() { return *m_model; }
    const GridModel &Model() const { return *m_model; }
    // After the owning window changed values of rows in the DataSet itself.
    void RowsChanged(int firstSourceRow, int lastSourceRow);

    // Looks and options.
    void SetAppearance(const GridAppearance &appearance);
    const GridAppearance &Appearance() const { return m_appearance; }
    void SetRowHeight(int pixels);
    int RowHeight() const;
    void SetFilterButtons(bool on);
    void SetColumnChooser(bool on);
    void SetIncrementalSearch(bool on);
    void SetSorting(bool on); // sorting by a click on a column header
    void SetFooter(bool shown);
    void SetSummaries(std::vector<GridSummary> summaries); // shows the footer
    void SetContextMenu(QMenu *menu); // not owned; shown on a right click after focusing the row
    void SetCellPainter(const QString &field, CellPainter painter);
    // Fit the visible columns to the grid's width after every resize, keeping their proportions.
    void SetFitToWidth(bool on);

    // Columns, by field name (the first column of that field).
    int ColumnCount() const;
    bool IsColumnVisible(const QString &field) const;
    void SetColumnVisible(const QString &field, bool visible);
    bool IsColumnOffered(const QString &field) const;
    void SetColumnOffered(const QString &field, bool offered);
    int ColumnWidth(const QString &field) const;
    void SetColumnWidth(const QString &field, int pixels);
    // The visible columns in screen order, as model columns.
    std::vector<int> ShownColumns() const;
    // The proportional width rule with this grid's width, or with the width given.
    void ApplyProportionalWidths();
    void ApplyProportionalWidths(int gridWidth);
    // Every column as wide as its content, judged on a bounded number of rows.
    void BestFit();
    void FitToWidth();

    // Filtering and the rows shown.
    void SetColumnFilter(const QString &field, const QStringList &values);
    void ClearFilters();
    int ShownRowCount() const;
    int SourceRow(int shownRow) const;
    // The footer figures under a column, as shown (several joined by a blank).
    QString FooterText(const QString &field) const;

    // Focus.
    int FocusedSourceRow() const; // -1 when no row is focused
    QString FocusedField() const; // field of the focused cell's column
    void SetFocusedSourceRow(int sourceRow);

    // Writes the shown rows and visible columns to an Excel workbook; returns the file written
    // (the name given, with the workbook's own extension). Raises platform::Error.
    QString ExportToExcel(const QString &fileName) const;

    // The table itself, for what the grid does not wrap (enabling, sorting by code, tests).
    QTableView &Table();

signals:
    void DoubleClicked(int sourceRow, const QString &field);
    void FocusedRowChanged(int sourceRow);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int RequireColumn(const QString &field) const;
    void ApplyAppearance();
    void RefreshChooser();
    void UpdateChooserChecks();
    void OpenFilter(int column);
    void ShowContextMenu(const QPoint &pos);
    void CurrentChanged(const QModelIndex &current);
    void ModelWasReset();

    // Qt children; the destructor deletes the table before the models it shows.
    GridTable *m_table = nullptr;
    GridModel *m_model = nullptr;
    GridFilterModel *m_rows = nullptr;
    GridHeader *m_header = nullptr;
    GridHeader *m_indicator = nullptr;
    GridCellDelegate *m_delegate = nullptr;
    GridFooter *m_footer = nullptr;
    QToolButton *m_chooser = nullptr;
    QMenu *m_chooserMenu = nullptr;
    GridAppearance m_appearance; // painter delegates keep a reference
    std::vector<bool> m_offered;
    QPointer<QMenu> m_contextMenu;
    bool m_chooserOn = true;
    bool m_fitToWidth = false;
    int m_lastFocused = -1;
};

} // namespace platform
