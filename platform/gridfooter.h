#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QTableView;

namespace platform {

class GridFilterModel;
class GridModel;

enum class SummaryKind { Count, Sum };

// A footer figure under a column: the number of rows shown, or the sum of a field over them.
struct GridSummary
{
    QString field{}; // the column it stands under (and, for a sum, the field summed)
    SummaryKind kind = SummaryKind::Count;
    // A number picture; none: a count plainly, a sum with the field's display format.
    QString format{};
};

// The footer row under a grid: each summary of the shown rows, under its column, following
// the columns' positions. Figures are computed when first needed after a change.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    GridFooter(QTableView &table, const GridFilterModel &rows, const GridModel &model,
               QWidget *parent = nullptr);

    void SetSummaries(std::vector<GridSummary> summaries);
    const std::vector<GridSummary> &Summaries() const { return m_summaries; }
    // The formatted figures, in the order of the summaries.
    const std::vector<QString> &Texts() const;
    void Invalidate();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString Compute(const GridSummary &summary) const;

    QTableView &m_table;
    const GridFilterModel &m_rows;
    const GridModel &m_model;
    std::vector<GridSummary> m_summaries;
    mutable std::optional<std::vector<QString>> m_texts;
};

} // namespace platform
