#pragma once

#include <QColor>
#include <QHeaderView>

namespace platform {

struct GridAppearance;

// The grid's column header (flat, in the grid's header colours, with a filter button in each
// filterable section) or, vertically, the row indicator strip.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

    void SetAppearance(const GridAppearance &appearance);
    void SetFilterButtons(bool on);
    bool FilterButtons() const { return m_filterButtons; }
    // Where the filter button of a section is, in header coordinates (empty when it has none).
    QRect FilterButtonRect(int logicalIndex) const;

signals:
    void FilterButtonClicked(int logicalIndex);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool HasFilterButton(int logicalIndex) const;
    QRect ButtonRectIn(const QRect &section) const;
    int FilterButtonAt(const QPoint &pos) const;

    QColor m_background = QColor(0, 170, 207);
    QColor m_text = Qt::white;
    QColor m_filterActive = QColor(255, 214, 0);
    bool m_filterButtons = true;
    bool m_swallowRelease = false;
};

} // namespace platform
