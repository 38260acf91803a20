#include "gridheader.h"

#include "platform/gridappearance.h"
#include "platform/gridmodel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace platform {

namespace {
constexpr int kButtonWidth = 14;
constexpr int kButtonHeight = 16;
constexpr int kTextMargin = 4;
constexpr int kSortMarkWidth = 10;
} // namespace

GridHeader::GridHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setHighlightSections(false);
    if (orientation == Qt::Horizontal) {
        setSectionsClickable(true);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void GridHeader::SetAppearance(const GridAppearance &appearance)
{
    if (orientation() == Qt::Horizontal) {
        m_background = appearance.header;
        m_text = appearance.headerText;
        setFont(appearance.HeaderFont());
    } else {
        m_background = appearance.indicator;
    }
    m_filterActive = appearance.filterActive;
    viewport()->update();
}

void GridHeader::SetFilterButtons(bool on)
{
    m_filterButtons = on;
    viewport()->update();
}

bool GridHeader::HasFilterButton(int logicalIndex) const
{
    return m_filterButtons && orientation() == Qt::Horizontal && model() &&
           model()->headerData(logicalIndex, Qt::Horizontal, Role(GridRole::Filterable)).toBool();
}

QRect GridHeader::ButtonRectIn(const QRect &section) const
{
    const int height = std::min(kButtonHeight, section.height());
    return QRect(section.right() - kButtonWidth - 1, section.center().y() - height / 2 + 1,
                 kButtonWidth, height);
}

QRect GridHeader::FilterButtonRect(int logicalIndex) const
{
    if (logicalIndex < 0 || logicalIndex >= count() || isSectionHidden(logicalIndex) ||
        !HasFilterButton(logicalIndex))
        return QRect();
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex),
                        viewport()->height());
    return ButtonRectIn(section);
}

int GridHeader::FilterButtonAt(const QPoint &pos) const
{
    const int section = logicalIndexAt(pos);
    return section >= 0 && FilterButtonRect(section).contains(pos) ? section : -1;
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, m_background);
    if (orientation() == Qt::Vertical) {
        painter->restore();
        return;
    }
    painter->setPen(m_background.darker(125));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const bool sorted = isSortIndicatorShown() && sortIndicatorSection() == logicalIndex;
    if (sorted) {
        const int x = textRect.right() - kSortMarkWidth + 2;
        const int y = rect.center().y();
        const QPolygon mark =
            sortIndicatorOrder() == Qt::AscendingOrder
                ? QPolygon({QPoint(x, y + 2), QPoint(x + 6, y + 2), QPoint(x + 3, y - 2)})
                : QPolygon({QPoint(x, y - 2), QPoint(x + 6, y - 2), QPoint(x + 3, y + 2)});
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_text);
        painter->drawPolygon(mark);
        textRect.setRight(textRect.right() - kSortMarkWidth);
    }
    if (HasFilterButton(logicalIndex)) {
        const QRect button = ButtonRectIn(rect);
        const bool active =
            model()
                ->headerData(logicalIndex, Qt::Horizontal, Role(GridRole::FilterActive))
                .toBool();
        painter->setPen(m_background.darker(140));
        painter->setBrush(active ? m_filterActive : m_background.lighter(115));
        painter->drawRect(button.adjusted(0, 0, -1, -1));
        const QPoint c = button.center();
        painter->setPen(Qt::NoPen);
        painter->setBrush(active ? QColor(Qt::black) : m_text);
        painter->drawPolygon(QPolygon({QPoint(c.x() - 3, c.y() - 1), QPoint(c.x() + 4, c.y() - 1),
                                       QPoint(c.x(), c.y() + 3)}));
        textRect.setRight(button.left() - 2);
    }
    const QString text =
        model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    if (!text.isEmpty()) {
        painter->setFont(font());
        painter->setPen(m_text);
        painter->setClipRect(textRect);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    }
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (orientation() == Qt::Horizontal && HasFilterButton(logicalIndex))
        size.rwidth() += kButtonWidth + 2;
    return size;
}

void GridHeader::mousePressEvent(QMouseEvent *event)
{
    const int section =
        event->button() == Qt::LeftButton ? FilterButtonAt(event->position().toPoint()) : -1;
    if (section < 0) {
        m_swallowRelease = false;
        QHeaderView::mousePressEvent(event);
        return;
    }
    // The button opens the value list; the press must not also sort or start a drag.
    m_swallowRelease = true;
    event->accept();
    emit FilterButtonClicked(section);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_swallowRelease) {
        m_swallowRelease = false;
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

void GridHeader::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (FilterButtonAt(event->position().toPoint()) >= 0) {
        event->accept();
        return;
    }
    QHeaderView::mouseDoubleClickEvent(event);
}

} // namespace platform
