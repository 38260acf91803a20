#include "gridtable.h"

#include "platform/gridmodel.h"

#include <QHeaderView>

namespace platform {

GridTable::GridTable(QWidget *parent) : QTableView(parent) {}

void GridTable::SetCornerWidget(QWidget *widget)
{
    m_corner = widget;
    if (m_corner) {
        m_corner->setParent(this);
        m_corner->show();
    }
    updateGeometries();
}

void GridTable::keyboardSearch(const QString &search)
{
    if (!m_incrementalSearch || !model())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    if (!model()->headerData(column, Qt::Horizontal, Role(GridRole::Searchable)).toBool())
        return;
    QTableView::keyboardSearch(search);
}

void GridTable::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_corner)
        return;
    const bool headers = !horizontalHeader()->isHidden() && !verticalHeader()->isHidden();
    m_corner->setVisible(headers);
    if (headers) {
        m_corner->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                              horizontalHeader()->height());
        m_corner->raise();
    }
}

} // namespace platform
