#include "griddelegate.h"

#include "platform/columnlayout.h"
#include "platform/gridmodel.h"

#include <QApplication>
#include <QPainter>

namespace platform {

namespace {

CellKind KindOf(const QModelIndex &index)
{
    return CellKind(index.data(Role(GridRole::CellKindRole)).toInt());
}

QStyle *StyleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

GridCellDelegate::GridCellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const CellKind kind = KindOf(index);
    if (kind == CellKind::WrappedText || kind == CellKind::Memo)
        option->features |= QStyleOptionViewItem::WrapText;
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    if (!m_focusRect)
        opt.state &= ~QStyle::State_HasFocus;
    QStyle *style = StyleOf(opt);
    const bool picture = !opt.icon.isNull() && opt.text.isEmpty();
    const bool check =
        (opt.features & QStyleOptionViewItem::HasCheckIndicator) && opt.text.isEmpty();
    if (!picture && !check) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        return;
    }
    // The style would put these at the left edge; the grid shows them in the middle.
    const QIcon icon = opt.icon;
    const Qt::CheckState checkState = opt.checkState;
    opt.icon = QIcon();
    opt.features &=
        ~(QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    if (picture) {
        icon.paint(painter, opt.rect, Qt::AlignCenter);
        return;
    }
    QStyleOptionViewItem mark(opt);
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &opt, opt.widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &opt, opt.widget);
    mark.rect = QStyle::alignedRect(opt.direction, Qt::AlignCenter, QSize(w, h), opt.rect);
    mark.state &=
        ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange | QStyle::State_HasFocus);
    mark.state |= checkState == Qt::Checked     ? QStyle::State_On
                  : checkState == Qt::Unchecked ? QStyle::State_Off
                                                : QStyle::State_NoChange;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &mark, painter, opt.widget);
}

GridPainterDelegate::GridPainterDelegate(const GridModel &model, const GridAppearance &appearance,
                                         CellPainter painter, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model), m_appearance(appearance),
      m_painter(std::move(painter))
{
}

void GridPainterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const DataSet *data = m_model.Data();
    if (!data || !m_painter)
        return;
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const GridCell cell{*data, index.data(Role(GridRole::SourceRow)).toInt(), index.row(),
                        (opt.state & QStyle::State_Selected) != 0, m_appearance};
    painter->save();
    m_painter(*painter, opt, cell);
    painter->restore();
}

} // namespace platform
