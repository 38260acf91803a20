#include "gridview.h"

#include "platform/dataset.h"
#include "platform/excelexport.h"
#include "platform/gridfiltermodel.h"
#include "platform/gridfilterpopup.h"
#include "platform/gridheader.h"
#include "platform/gridmodel.h"
#include "platform/gridtable.h"
#include "platform/gridwidths.h"

#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int kBestFitRows = 200;       // rows a best fit looks at, besides those on screen
constexpr int kFilterValueLimit = 1000; // values a header filter list offers
constexpr int kChooserWidth = 16;

QIcon ChooserIcon()
{
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    for (const int y : {2, 6, 10})
        p.drawLine(1, y, 11, y);
    return QIcon(pm);
}

} // namespace

GridView::GridView(ColumnLayout layout, QWidget *parent) : QWidget(parent)
{
    m_table = new GridTable(this);
    m_model = new GridModel(std::move(layout), this);
    m_rows = new GridFilterModel(*m_model, this);
    m_header = new GridHeader(Qt::Horizontal, m_table);
    m_indicator = new GridHeader(Qt::Vertical, m_table);
    m_table->setHorizontalHeader(m_header);
    m_table->setVerticalHeader(m_indicator);
    m_table->setModel(m_rows);
    m_delegate = new GridCellDelegate(m_table);
    m_table->setItemDelegate(m_delegate);

    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false); // only wrapped-text and memo cells wrap
    m_table->setAlternatingRowColors(true);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setCornerButtonEnabled(false);

    m_header->setSortIndicator(-1, Qt::AscendingOrder); // no sorting until the user asks
    m_header->setResizeContentsPrecision(kBestFitRows);
    m_header->setMinimumSectionSize(8);
    m_header->setStretchLastSection(false);
    m_indicator->setMinimumSectionSize(1);
    m_indicator->setSectionResizeMode(QHeaderView::Fixed); // big tables stay fast

    m_footer = new GridFooter(*m_table, *m_rows, *m_model, this);
    m_footer->hide();

    m_chooser = new QToolButton;
    m_chooser->setObjectName(QStringLiteral("columnChooser"));
    m_chooser->setIcon(ChooserIcon());
    m_chooser->setAutoRaise(true);
    m_chooser->setPopupMode(QToolButton::InstantPopup);
    m_chooser->setStyleSheet(
        QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    m_chooser->setToolTip(QStringLiteral("Kolonlar"));
    m_chooserMenu = new QMenu(m_chooser);
    m_chooser->setMenu(m_chooserMenu);
    m_table->SetCornerWidget(m_chooser);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_table);
    box->addWidget(m_footer);

    const ColumnLayout &columns = m_model->Layout();
    m_offered.reserve(columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
        m_table->setColumnHidden(int(c), !columns[c].shown);
        if (!columns[c].resizable)
            m_header->setSectionResizeMode(int(c), QHeaderView::Fixed);
        m_offered.push_back(columns[c].offered);
    }

    connect(m_header, &GridHeader::FilterButtonClicked, this, &GridView::OpenFilter);
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        emit DoubleClicked(m_rows->mapToSource(index).row(), m_model->Column(index.column()).field);
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { CurrentChanged(current); });
    connect(m_table, &QWidget::customContextMenuRequested, this, &GridView::ShowContextMenu);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &GridView::ModelWasReset);
    const auto recount = [this] { m_footer->Invalidate(); };
    connect(m_rows, &QAbstractItemModel::rowsInserted, this, recount);
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, recount);
    connect(m_rows, &QAbstractItemModel::layoutChanged, this, recount);
    connect(m_rows, &QAbstractItemModel::dataChanged, this, recount);
    const auto reposition = [this] { m_footer->update(); };
    connect(m_header, &QHeaderView::sectionResized, this, reposition);
    connect(m_header, &QHeaderView::sectionMoved, this, reposition);
    connect(m_header, &QHeaderView::geometriesChanged, this, reposition);
    connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, this, reposition);

    ApplyAppearance();
    SetSorting(true);
    RefreshChooser();
}

GridView::~GridView()
{
    // Nothing may reach this object half destroyed: cut the connections, then the view goes
    // before the models it shows.
    for (const QObject *sender : std::initializer_list<const QObject *>{
             m_rows, m_header, m_table, m_table->selectionModel(), m_table->horizontalScrollBar()})
        disconnect(sender, nullptr, this, nullptr);
    delete m_table;
}

void GridView::SetDataSet(std::unique_ptr<DataSet> data)
{
    m_model->SetDataSet(std::move(data));
}

QTableView &GridView::Table()
{
    return *m_table;
}

DataSet *GridView::Data() const
{
    return m_model->Data();
}

void GridView::RowsChanged(int firstSourceRow, int lastSourceRow)
{
    m_model->RowsChanged(firstSourceRow, lastSourceRow);
}

void GridView::SetAppearance(const GridAppearance &appearance)
{
    m_appearance = appearance;
    ApplyAppearance();
}

void GridView::ApplyAppearance()
{
    const GridAppearance &a = m_appearance;
    QPalette palette = m_table->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, a.evenRow);
        palette.setColor(group, QPalette::AlternateBase, a.oddRow);
        palette.setColor(group, QPalette::Highlight, a.selection);
        palette.setColor(group, QPalette::HighlightedText, a.selectionText);
        palette.setColor(group, QPalette::Text, a.text);
    }
    m_table->setPalette(palette);
    m_table->setFont(a.CellFont());
    m_table->setShowGrid(a.showGridLines);
    m_delegate->SetFocusRect(a.showFocusRect);
    m_header->SetAppearance(a);
    m_indicator->SetAppearance(a);
    m_header->setFixedHeight(a.headerHeight);
    m_header->setVisible(a.showHeader);
    SetRowHeight(a.rowHeight);

    // The chooser button needs the corner above the indicator, so it widens the strip.
    const int width =
        std::max(a.showIndicator ? a.indicatorWidth : 0, m_chooserOn ? kChooserWidth : 0);
    m_indicator->setVisible(width > 0);
    if (width > 0)
        m_indicator->setFixedWidth(width);
    m_footer->setFont(a.CellFont());
}

void GridView::SetRowHeight(int pixels)
{
    m_appearance.rowHeight = pixels;
    m_indicator->setDefaultSectionSize(pixels);
}

int GridView::RowHeight() const
{
    return m_indicator->defaultSectionSize();
}

void GridView::SetFilterButtons(bool on)
{
    m_header->SetFilterButtons(on);
    if (!on)
        ClearFilters();
}

void GridView::SetColumnChooser(bool on)
{
    m_chooserOn = on;
    m_table->SetCornerWidget(on ? m_chooser : nullptr);
    m_chooser->setVisible(on);
    ApplyAppearance();
}

void GridView::SetIncrementalSearch(bool on)
{
    m_table->SetIncrementalSearch(on);
}

void GridView::SetSorting(bool on)
{
    if (!on) {
        m_header->setSortIndicator(-1, Qt::AscendingOrder);
        m_rows->sort(-1);
    }
    m_table->setSortingEnabled(on);
}

void GridView::SetFooter(bool shown)
{
    m_footer->setVisible(shown);
}

void GridView::SetSummaries(std::vector<GridSummary> summaries)
{
    m_footer->SetSummaries(std::move(summaries));
    m_footer->show();
}

void GridView::SetContextMenu(QMenu *menu)
{
    m_contextMenu = menu;
}

void GridView::SetCellPainter(const QString &field, CellPainter painter)
{
    const int column = RequireColumn(field);
    if (column < 0)
        return;
    delete m_table->itemDelegateForColumn(column);
    m_table->setItemDelegateForColumn(
        column, new GridPainterDelegate(*m_model, m_appearance, std::move(painter), m_table));
}

void GridView::SetFitToWidth(bool on)
{
    m_fitToWidth = on;
    if (on)
        FitToWidth();
}

int GridView::ColumnCount() const
{
    return m_model->columnCount();
}

int GridView::RequireColumn(const QString &field) const
{
    const int column = m_model->ColumnOf(field);
    Q_ASSERT_X(column >= 0, "GridView", qPrintable(QStringLiteral("no column %1").arg(field)));
    return column;
}

bool GridView::IsColumnVisible(const QString &field) const
{
    const int column = m_model->ColumnOf(field);
    return column >= 0 && !m_table->isColumnHidden(column);
}

void GridView::SetColumnVisible(const QString &field, bool visible)
{
    const int column = RequireColumn(field);
    if (column < 0)
        return;
    m_table->setColumnHidden(column, !visible);
    UpdateChooserChecks();
    m_footer->update();
}

bool GridView::IsColumnOffered(const QString &field) const
{
    const int column = m_model->ColumnOf(field);
    return column >= 0 && m_offered[size_t(column)];
}

void GridView::SetColumnOffered(const QString &field, bool offered)
{
    const int column = RequireColumn(field);
    if (column < 0 || m_offered[size_t(column)] == offered)
        return;
    m_offered[size_t(column)] = offered;
    RefreshChooser();
}

int GridView::ColumnWidth(const QString &field) const
{
    const int column = m_model->ColumnOf(field);
    return column < 0 ? 0 : m_header->sectionSize(column);
}

void GridView::SetColumnWidth(const QString &field, int pixels)
{
    const int column = RequireColumn(field);
    if (column >= 0)
        m_header->resizeSection(column, pixels);
}

std::vector<int> GridView::ShownColumns() const
{
    std::vector<int> columns;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int column = m_header->logicalIndex(visual);
        if (!m_header->isSectionHidden(column))
            columns.push_back(column);
    }
    return columns;
}

void GridView::ApplyProportionalWidths()
{
    ApplyProportionalWidths(width());
}

void GridView::ApplyProportionalWidths(int gridWidth)
{
    const std::vector<int> columns = ShownColumns();
    std::vector<int> weights;
    weights.reserve(columns.size());
    for (const int column : columns)
        weights.push_back(m_model->Column(column).weight);
    const std::vector<int> widths = ProportionalWidths(gridWidth, weights);
    if (widths.empty())
        return;
    for (size_t i = 0; i < columns.size(); ++i)
        if (widths[i] >= 0)
            m_header->resizeSection(columns[i], widths[i]);
}

void GridView::BestFit()
{
    m_table->resizeColumnsToContents();
}

void GridView::FitToWidth()
{
    const std::vector<int> columns = ShownColumns();
    const int available = m_table->viewport()->width();
    int total = 0;
    for (const int column : columns)
        total += m_header->sectionSize(column);
    if (columns.empty() || total <= 0 || available <= 0)
        return;
    int used = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int width = i + 1 == columns.size()
                              ? available - used
                              : int(qint64(m_header->sectionSize(columns[i])) * available / total);
        m_header->resizeSection(columns[i], std::max(width, m_header->minimumSectionSize()));
        used += width;
    }
}

void GridView::SetColumnFilter(const QString &field, const QStringList &values)
{
    const int column = RequireColumn(field);
    if (column >= 0)
        m_rows->SetValueFilter(column, QSet<QString>(values.begin(), values.end()));
}

void GridView::ClearFilters()
{
    m_rows->ClearFilters();
}

int GridView::ShownRowCount() const
{
    return m_rows->rowCount();
}

int GridView::SourceRow(int shownRow) const
{
    return m_rows->SourceRow(shownRow);
}

QString GridView::FooterText(const QString &field) const
{
    QStringList texts;
    const std::vector<GridSummary> &summaries = m_footer->Summaries();
    for (size_t i = 0; i < summaries.size(); ++i)
        if (summaries[i].field.compare(field, Qt::CaseInsensitive) == 0)
            texts.append(m_footer->Texts()[i]);
    return texts.join(QLatin1Char(' '));
}

int GridView::FocusedSourceRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_rows->mapToSource(current).row() : -1;
}

QString GridView::FocusedField() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->Column(current.column()).field : QString();
}

void GridView::SetFocusedSourceRow(int sourceRow)
{
    const std::vector<int> columns = ShownColumns();
    const QModelIndex current = m_table->currentIndex();
    const int column = current.isValid() ? current.column() : columns.empty() ? 0 : columns.front();
    const QModelIndex index = m_rows->mapFromSource(m_model->index(sourceRow, column));
    if (!index.isValid())
        return;
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
}

QString GridView::ExportToExcel(const QString &fileName) const
{
    std::vector<int> rows(size_t(m_rows->rowCount()));
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = m_rows->SourceRow(int(i));
    return platform::ExportToExcel(fileName, *m_model, ShownColumns(), rows);
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitToWidth)
        FitToWidth();
}

void GridView::RefreshChooser()
{
    m_chooserMenu->clear();
    const ColumnLayout &columns = m_model->Layout();
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!m_offered[c])
            continue;
        const QString caption = columns[c].HeaderText();
        QAction *action = m_chooserMenu->addAction(caption.isEmpty() ? columns[c].field : caption);
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(int(c)));
        action->setData(int(c));
        connect(action, &QAction::toggled, this, [this, c](bool checked) {
            m_table->setColumnHidden(int(c), !checked);
            m_footer->update();
        });
    }
}

void GridView::UpdateChooserChecks()
{
    for (QAction *action : m_chooserMenu->actions()) {
        const QSignalBlocker blocker(action);
        action->setChecked(!m_table->isColumnHidden(action->data().toInt()));
    }
}

void GridView::OpenFilter(int column)
{
    bool more = false;
    const std::vector<GridFilterModel::DistinctValue> distinct =
        m_rows->DistinctValues(column, kFilterValueLimit, &more);
    std::vector<FilterValue> values;
    values.reserve(distinct.size());
    for (const auto &value : distinct) {
        const QVariant picture =
            m_model->data(m_model->index(value.sourceRow, column), Qt::DecorationRole);
        values.push_back(
            {value.text, picture.isValid() ? QIcon(picture.value<QPixmap>()) : QIcon()});
    }
    auto *popup = new GridFilterPopup(values, m_rows->ValueFilter(column),
                                      !m_rows->IsFiltered(column), more, this);
    connect(popup, &GridFilterPopup::Accepted, this,
            [this, column](bool all, const QSet<QString> &ticked) {
                if (all)
                    m_rows->ClearValueFilter(column);
                else
                    m_rows->SetValueFilter(column, ticked);
            });
    const QRect button = m_header->FilterButtonRect(column);
    popup->move(
        m_header->viewport()->mapToGlobal(button.isValid() ? button.bottomLeft() : QPoint()));
    popup->show();
}

void GridView::ShowContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_table->indexAt(pos);
    if (index.isValid())
        m_table->setCurrentIndex(index);
    if (m_contextMenu)
        m_contextMenu->popup(m_table->viewport()->mapToGlobal(pos));
}

void GridView::CurrentChanged(const QModelIndex &current)
{
    const int row = current.isValid() ? m_rows->mapToSource(current).row() : -1;
    if (row == m_lastFocused)
        return;
    m_lastFocused = row;
    emit FocusedRowChanged(row);
}

void GridView::ModelWasReset()
{
    m_footer->Invalidate();
    // A reset drops the focus without the selection model saying so.
    if (m_lastFocused != -1) {
        m_lastFocused = -1;
        emit FocusedRowChanged(-1);
    }
}

} // namespace platform
