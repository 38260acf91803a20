#include "gridfooter.h"

#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/gridfiltermodel.h"
#include "platform/gridmodel.h"
#include "platform/numberformat.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace platform {

GridFooter::GridFooter(QTableView &table, const GridFilterModel &rows, const GridModel &model,
                       QWidget *parent)
    : QWidget(parent), m_table(table), m_rows(rows), m_model(model)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void GridFooter::SetSummaries(std::vector<GridSummary> summaries)
{
    m_summaries = std::move(summaries);
    Invalidate();
}

void GridFooter::Invalidate()
{
    m_texts.reset();
    update();
}

const std::vector<QString> &GridFooter::Texts() const
{
    if (!m_texts) {
        std::vector<QString> texts;
        texts.reserve(m_summaries.size());
        for (const GridSummary &summary : m_summaries)
            texts.push_back(Compute(summary));
        m_texts = std::move(texts);
    }
    return *m_texts;
}

QString GridFooter::Compute(const GridSummary &summary) const
{
    const int rows = m_rows.rowCount();
    if (summary.kind == SummaryKind::Count)
        return summary.format.isEmpty() ? QString::number(rows) : FormatFloat(summary.format, rows);
    const DataSet *data = m_model.Data();
    const Field *field = data ? data->FindField(summary.field) : nullptr;
    double sum = 0;
    if (field) {
        for (int row = 0; row < rows; ++row) {
            const int sourceRow = m_rows.SourceRow(row);
            if (field->IsNullAt(sourceRow))
                continue;
            try {
                sum += field->FloatAt(sourceRow);
            } catch (const Error &) {
                // text that is no number adds nothing
            }
        }
    }
    if (!summary.format.isEmpty())
        return FormatFloat(summary.format, sum);
    if (field && !field->DisplayFormat().isEmpty())
        return FormatFloat(field->DisplayFormat(), sum);
    return FormatGeneral(sum);
}

QSize GridFooter::sizeHint() const
{
    return QSize(100, fontMetrics().height() + 12);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().mid().color());
    painter.drawLine(rect().topLeft(), rect().topRight());
    if (m_summaries.empty())
        return;
    const QHeaderView *header = m_table.horizontalHeader();
    const QWidget *viewport = m_table.viewport();
    const int left = viewport->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    painter.setClipRect(QRect(left, 0, viewport->width(), height()));
    painter.setPen(palette().windowText().color());
    const std::vector<QString> &texts = Texts();
    for (size_t i = 0; i < m_summaries.size(); ++i) {
        const int column = m_model.ColumnOf(m_summaries[i].field);
        if (column < 0 || header->isSectionHidden(column))
            continue;
        const QRect cell(left + header->sectionViewportPosition(column), 0,
                         header->sectionSize(column), height());
        // Counts read from the left, sums line up with the numbers above them.
        const bool number = m_summaries[i].kind == SummaryKind::Sum;
        painter.drawText(cell.adjusted(4, 0, -4, 0),
                         (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, texts[i]);
    }
}

} // namespace platform
