#pragma once

#include <QPointer>
#include <QTableView>

namespace platform {

// The table inside a GridView: incremental search only in searchable columns, and the
// column chooser button held in the corner above the row indicator.
class GridTable : public QTableView
{
    Q_OBJECT

public:
    explicit GridTable(QWidget *parent = nullptr);

    void SetCornerWidget(QWidget *widget);
    void SetIncrementalSearch(bool on) { m_incrementalSearch = on; }
    void keyboardSearch(const QString &search) override;

protected:
    void updateGeometries() override;

private:
    QPointer<QWidget> m_corner;
    bool m_incrementalSearch = true;
};

} // namespace platform
