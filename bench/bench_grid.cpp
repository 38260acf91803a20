// Shared grid figures on a 100,000-row, 45-column stock table: handing a loaded DataSet to the
// grid until the first paint, the longest stretch the GUI thread is blocked meanwhile, paging
// through the rows, sorting, filtering, best fit, Excel export and resident memory.
// Runs on the offscreen platform unless another is set.
#include "stocktable.h"

#include "platform/dataset.h"
#include "platform/gridmodel.h"
#include "platform/gridview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using platform::CellKind;
using platform::DataSet;
using platform::FieldType;

namespace {

using bench::kDates;
using bench::kFloats;
using bench::kInts;
using bench::kStrings;
using bench::MakeStockTable;

// The stock list's shape: every field a column, about a dozen of them on screen, a status
// picture, a yes/no picture and a custom-drawn price column among them.
platform::ColumnLayout Layout(bool allShown)
{
    platform::ColumnLayout layout;
    const auto add = [&](const QString &field, CellKind kind, bool shown) {
        layout.push_back({.field = field,
                          .caption = field,
                          .shown = allShown || shown,
                          .weight = 2,
                          .kind = kind});
    };
    for (int i = 0; i < kInts; ++i)
        add(QStringLiteral("INT%1").arg(i),
            i == 0   ? CellKind::StatusPicture
            : i == 1 ? CellKind::YesNoPicture
                     : CellKind::Text,
            i < 3);
    for (int i = 0; i < kFloats; ++i)
        add(QStringLiteral("FLT%1").arg(i), CellKind::Text, i < 3);
    for (int i = 0; i < kStrings; ++i)
        add(QStringLiteral("STR%1").arg(i), i == 0 ? CellKind::WrappedText : CellKind::Text, i < 4);
    for (int i = 0; i < kDates; ++i)
        add(QStringLiteral("DT%1").arg(i), CellKind::Text, i < 1);
    layout.push_back(
        {.field = "FIYATBILGISI", .caption = "Fiyat Bilgisi", .kind = CellKind::CustomDrawn});
    return layout;
}

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Counts paints of the table's viewport.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct SwapFigures
{
    double swapMs = 0;   // the hand-over itself
    double usableMs = 0; // until the first paint of the new rows
    double longestBlockMs = 0;
};

SwapFigures Swap(platform::GridView &grid, PaintCounter &counter, std::unique_ptr<DataSet> rows)
{
    SwapFigures figures;
    QElapsedTimer total;
    total.start();
    QElapsedTimer step;
    step.start();
    const int paintsBefore = counter.paints;
    grid.SetDataSet(std::move(rows));
    figures.swapMs = step.nsecsElapsed() / 1e6;
    figures.longestBlockMs = figures.swapMs;
    while (counter.paints == paintsBefore) {
        step.restart();
        QApplication::processEvents(QEventLoop::AllEvents);
        figures.longestBlockMs = std::max(figures.longestBlockMs, step.nsecsElapsed() / 1e6);
    }
    figures.usableMs = total.nsecsElapsed() / 1e6;
    return figures;
}

double Ms(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

void Run(bool allShown, int rows)
{
    std::printf("\n== %s ==\n", allShown ? "all 46 columns shown"
                                         : "13 of 46 columns shown (the stock list's shape)");
    const long rssStart = ResidentKb();
    platform::GridView grid(Layout(allShown));
    grid.SetSummaries(
        {{"STR0", platform::SummaryKind::Count, {}}, {"FLT0", platform::SummaryKind::Sum, {}}});
    grid.SetCellPainter("FIYATBILGISI", [](QPainter &painter, const QStyleOptionViewItem &option,
                                           const platform::GridCell &cell) {
        const QString text = QStringLiteral("Liste Fiyatı: %1\r\nNetFiyat: %2")
                                 .arg(cell.data.Fields(kInts).DisplayTextAt(cell.sourceRow),
                                      cell.data.Fields(kInts + 1).DisplayTextAt(cell.sourceRow));
        painter.fillRect(option.rect, cell.selected       ? cell.appearance.selection
                                      : cell.shownRow % 2 ? cell.appearance.oddRow
                                                          : cell.appearance.evenRow);
        painter.drawText(option.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
                         text);
    });
    grid.resize(1342, 800);
    grid.show();
    PaintCounter counter;
    grid.Table().viewport()->installEventFilter(&counter);
    while (counter.paints == 0)
        QApplication::processEvents();
    grid.ApplyProportionalWidths();

    std::vector<SwapFigures> swaps;
    long rssLoaded = 0, rssShown = 0;
    for (int run = 0; run < 3; ++run) {
        auto table = MakeStockTable(rows); // the background load's part, not timed
        if (run == 0)
            rssLoaded = ResidentKb();
        swaps.push_back(Swap(grid, counter, std::move(table)));
        if (run == 0)
            rssShown = ResidentKb();
    }
    const long rssReloaded = ResidentKb();
    std::sort(swaps.begin(), swaps.end(), [](auto &a, auto &b) { return a.usableMs < b.usableMs; });
    const SwapFigures &median = swaps[1];
    std::printf("rows: %d, footer: %s rows, sum %s\n", grid.ShownRowCount(),
                qPrintable(grid.FooterText("STR0")), qPrintable(grid.FooterText("FLT0")));
    std::printf("swap into the model:                 %8.2f ms (median of 3)\n", median.swapMs);
    std::printf("swap until the first paint (usable): %8.2f ms\n", median.usableMs);
    std::printf("longest GUI-thread block meanwhile:  %8.2f ms\n", median.longestBlockMs);

    QScrollBar *bar = grid.Table().verticalScrollBar();
    QWidget *viewport = grid.Table().viewport();
    std::vector<double> pages;
    for (int i = 0; i < 100; ++i)
        pages.push_back(Ms([&] {
            bar->setValue(bar->value() + bar->pageStep());
            viewport->repaint();
        }));
    std::sort(pages.begin(), pages.end());
    std::printf("scroll one page + repaint:           %8.2f ms median, %.2f ms worst of 100\n",
                pages[50], pages.back());
    const double jump = Ms([&] {
        bar->setValue(bar->maximum() / 2);
        viewport->repaint();
    });
    std::printf("jump to the middle + repaint:        %8.2f ms\n", jump);

    QTableView &table = grid.Table();
    const double sortNumber =
        Ms([&] { table.sortByColumn(grid.Model().ColumnOf("FLT0"), Qt::AscendingOrder); });
    const double sortText =
        Ms([&] { table.sortByColumn(grid.Model().ColumnOf("STR1"), Qt::AscendingOrder); });
    table.sortByColumn(-1, Qt::AscendingOrder);
    std::printf("sort by a number column:             %8.2f ms\n", sortNumber);
    std::printf("sort by a text column:               %8.2f ms\n", sortText);
    const double filter = Ms([&] {
        grid.SetColumnFilter("INT0", {"1", "3"});
        grid.FooterText("FLT0");
    });
    std::printf("value filter + footer recount:       %8.2f ms (%d rows left)\n", filter,
                grid.ShownRowCount());
    grid.ClearFilters();
    const double bestFit = Ms([&] { grid.BestFit(); });
    std::printf("best fit of every column:            %8.2f ms\n", bestFit);

    QTemporaryDir dir;
    QString file;
    const double exportMs =
        Ms([&] { file = grid.ExportToExcel(dir.filePath(QStringLiteral("liste.xlsx"))); });
    std::printf("Excel export of the shown rows:      %8.2f ms (%.1f MB)\n", exportMs,
                QFileInfo(file).size() / 1e6);

    std::printf("resident memory: grid alone %ld MB, + a loaded table %ld MB, table shown %ld MB, "
                "after two more loads %ld MB, after sort/filter/fit/export %ld MB\n",
                rssStart / 1024, rssLoaded / 1024, rssShown / 1024, rssReloaded / 1024,
                ResidentKb() / 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const int rows = argc > 1 ? atoi(argv[1]) : 100000;
    Run(false, rows);
    Run(true, rows);
    return 0;
}
