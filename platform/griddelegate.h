#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace platform {

class DataSet;
class GridModel;
struct GridAppearance;

// Draws the ordinary cells from the model's roles: text wraps in wrapped-text and memo cells,
// pictures and check boxes sit in the middle of the cell, the focus frame is optional.
class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit GridCellDelegate(QObject *parent = nullptr);
    void SetFocusRect(bool on) { m_focusRect = on; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    bool m_focusRect = true;
};

// What a custom cell painter gets besides the painter and the cell's style option.
struct GridCell
{
    const DataSet &data;
    int sourceRow; // the row in the DataSet
    int shownRow;  // the row on screen, after filter and sort
    bool selected;
    const GridAppearance &appearance;
};

// Paints one cell completely; the grid draws nothing else in it.
using CellPainter = std::function<void(QPainter &painter, const QStyleOptionViewItem &option,
                                       const GridCell &cell)>;

// Hands the cells of one column to the owning window's painter, inside save/restore.
class GridPainterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GridPainterDelegate(const GridModel &model, const GridAppearance &appearance,
                        CellPainter painter, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const GridModel &m_model;
    const GridAppearance &m_appearance;
    CellPainter m_painter;
};

} // namespace platform
